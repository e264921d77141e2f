#pragma once

#include "shell/ProductInfo.h"

class IDesktopOpener;

// The commands that reach outside the program: the home page, an e-mail to support, the
// help page and the codec download page. Each hands its address or file to the desktop's
// opener and returns at once; the outcome is not examined and no message is shown.
class ProductLinks
{
public:
    // Without an opener (tests, the command line) nothing opens.
    ProductLinks(const ProductInfo &info, IDesktopOpener *opener) : m_info(info), m_opener(opener) {}

    // The product's home page.
    void OpenHomePage();
    // A new mail to support: "mailto:" followed by the support address.
    void SendSupportMail();
    // The help page Help.html in the program's folder.
    void OpenHelp();
    // The codec download page: the main window's line "Click here to download the coder"
    // and the codec error dialog's link both call this.
    void OpenCodecDownload();

private:
    const ProductInfo &m_info;
    IDesktopOpener *m_opener;
};
