#pragma once
// Who makes the program and how to reach them. The error log's header, the
// about box and the web-page and mail commands all use these values, so they
// change in one place.

#include <QCoreApplication>
#include <QString>

// The maker's short name: the organisation of the settings store and the
// second part of its root key.
inline QString MakerShortName() { return QStringLiteral("Mardo"); }
// The application title: the settings store's application name.
inline QString ApplicationTitle() { return QStringLiteral("Gorvin"); }

inline QString MakerFullName() { return QStringLiteral("Mardo Software Ltd"); }
inline QString MakerPostalAddress()
{
    return QStringLiteral("Unit 4, Millbrook Yard, 27 Canal Street, Leeds LS1 4AB, United Kingdom");
}
inline QString MakerPhone() { return QStringLiteral("+44 113 496 0712"); }
inline QString MakerFax() { return QStringLiteral("+44 113 496 0713"); }
inline QString MakerSupportMail() { return QStringLiteral("support@mardo-software.example"); }
inline QString MakerWebSite() { return QStringLiteral("https://www.mardo-software.example/gorvin"); }

// The mail link of the about box and of Help > Email us: the support
// address with the program's name as the addressee's.
inline QString SupportMailLink()
{
    return QStringLiteral("mailto:%1 <%2>").arg(ApplicationTitle(), MakerSupportMail());
}

// Names the running application after the program and its maker: the
// settings store, the per-user data folder and the message boxes' captions
// go by these names.
inline void NameApplication()
{
    QCoreApplication::setApplicationName(ApplicationTitle());
    QCoreApplication::setOrganizationName(MakerShortName());
}
