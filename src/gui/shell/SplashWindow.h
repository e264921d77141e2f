#pragma once

#include <QDialog>

#include <functional>

class QLabel;
class QTimer;

// The splash window: the resource module's picture on a borderless window, shown modally
// while start-up runs and for at least two ticks of its one-second timer.
class SplashWindow : public QDialog
{
    Q_OBJECT

public:
    // startUp runs on the first tick of startUpTimer.
    explicit SplashWindow(std::function<void()> startUp, QWidget *parent = nullptr);

    // Puts the JPEG picture into pictureLabel and sizes the window to it; a picture drawn at
    // scale (2 for the 200% picture) covers its size divided by the scale. Without a
    // readable picture the window keeps a plain face with the product's name.
    void SetPicture(const QByteArray &jpeg, qreal scale = 1.0);

    QLabel *taglineLabel = nullptr;
    QLabel *startingLabel = nullptr;
    QLabel *pictureLabel = nullptr;
    QTimer *startUpTimer = nullptr;
    QTimer *holdTimer = nullptr;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void runStartUp();
    void countHoldTick();

    std::function<void()> m_startUp;
    int m_tickCount = 0;
};

// Shows the splash with the picture of the resource module at modulePath, runs startUp
// from its timer and returns when the splash has closed.
void ShowSplash(const QString &modulePath, const std::function<void()> &startUp);
