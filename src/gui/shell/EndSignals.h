#pragma once

#include <QObject>

class QSocketNotifier;

// SIGTERM, SIGINT and SIGHUP (a logout, `kill`, Ctrl+C in a terminal) as a Qt signal in the
// event loop: the handler only writes the signal's number into a pipe, and the loop reads
// it, so the program ends with its normal steps instead of at once. One per program.
class EndSignals : public QObject
{
    Q_OBJECT

public:
    explicit EndSignals(QObject *parent = nullptr);
    ~EndSignals() override;

Q_SIGNALS:
    // One of the signals arrived; further ones while the program ends are ignored.
    void endRequested(int signalNumber);

private:
    void readPipe();

    QSocketNotifier *m_notifier = nullptr;
    bool m_reported = false;
};
