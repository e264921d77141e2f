#pragma once

#include <QString>

// The product texts read at start-up: the title, the About box and the help, web and codec
// download commands read them.
struct ProductInfo
{
    QString ProductName;  // string 1 of the resource module
    QString Version;      // major.minor of the program's version
    QString HomePage;     // string 4 of the resource module
    QString SupportMail;  // string 5 of the resource module
    QString CodecAddress; // string 6 of the resource module: the codec download page
    QString ExeDir;       // the program's folder, with a trailing "/"
};

// Fills ProductName, HomePage, SupportMail and CodecAddress of info from the resource
// module at modulePath and Version from the program's executable. Fields whose source is
// missing become empty; the module is released again in every case.
void LoadProductInfo(ProductInfo &info, const QString &modulePath);

// Major and minor number of an executable's version, joined by ".", or empty text when the
// file carries no version. The running program's version is the one its build stamped.
QString GetVersionText(const QString &path);

// The first two "."-separated pieces of a file version ("2.0.0.0" gives "2.0").
QString ShortVersion(const QString &fileVersion);
