#pragma once
// Who makes the program and how to reach them. The error log's header, the
// about box and the web-page and mail commands all use these values, so they
// change in one place.

#include <QCoreApplication>
#include <QString>

// The maker's short name: the organisation of the settings store and the
// second part of its root key.
inline QString makerShortName()
{
    return QStringLiteral("Mardo");
}
// The application title: the settings store's application name.
inline QString applicationTitle()
{
    return QStringLiteral("Gorvin");
}

inline QString makerFullName()
{
    return QStringLiteral("Mardo Software Ltd");
}
inline QString makerPostalAddress()
{
    return QStringLiteral("Unit 4, Millbrook Yard, 27 Canal Street, Leeds LS1 4AB, United Kingdom");
}
inline QString makerPhone()
{
    return QStringLiteral("+44 113 496 0712");
}
inline QString makerFax()
{
    return QStringLiteral("+44 113 496 0713");
}
inline QString makerSupportMail()
{
    return QStringLiteral("support@mardo-software.example");
}
inline QString makerWebSite()
{
    return QStringLiteral("https://www.mardo-software.example/gorvin");
}

// The mail link of the about box and of Help > Email us: the support
// address with the program's name as the addressee's.
inline QString supportMailLink()
{
    return QStringLiteral("mailto:%1 <%2>").arg(applicationTitle(), makerSupportMail());
}

// Names the running application after the program and its maker: the
// settings store, the per-user data folder and the message boxes' captions
// go by these names.
inline void nameApplication()
{
    QCoreApplication::setApplicationName(applicationTitle());
    QCoreApplication::setOrganizationName(makerShortName());
}
