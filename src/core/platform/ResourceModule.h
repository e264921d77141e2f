#pragma once

#include <QByteArray>
#include <QString>

// The resource module "Res.rcc" beside the program: a Qt binary resource file holding the
// splash picture "ImgFlash" (a JPEG) and the product strings, read by number:
// 1 product name, 4 home page address, 5 support e-mail address, 6 codec download address.
// An object maps the file while it lives (or until Unload), like a loaded library.
class ResourceModule
{
public:
    static constexpr const char *kFileName = "Res.rcc";
    static constexpr int kProductName = 1;
    static constexpr int kHomePage = 4;
    static constexpr int kSupportMail = 5;
    static constexpr int kCodecDownload = 6;
    // Texts are cut to this many characters, as a 254-character buffer with its end mark.
    static constexpr int kMaxTextLength = 253;

    ResourceModule() = default;
    ~ResourceModule();
    ResourceModule(const ResourceModule &) = delete;
    ResourceModule &operator=(const ResourceModule &) = delete;

    // Maps the module at path. False when the file is missing or not a resource file.
    bool Load(const QString &path);
    // Releases the mapping; harmless when nothing is loaded.
    void Unload();
    bool IsLoaded() const { return !m_root.isEmpty(); }

    // String entry id, at most kMaxTextLength characters; empty when it is missing.
    QString String(int id) const;
    // The bytes of the picture resource name ("ImgFlash"); empty when it is missing.
    QByteArray Picture(const QString &name) const;

private:
    QString m_path;
    QString m_root;
};
