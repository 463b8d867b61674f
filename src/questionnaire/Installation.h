#pragma once

#include <QString>

// Values that belong to one installation of the program: the evaluating
// institute's address, its web pages, and the issuer written into every
// answer file. They live here and nowhere else.
namespace installation {

inline const QString InstituteName = QStringLiteral("Zurizazu");
inline const QString InstituteStreet = QStringLiteral("Musterweg 12");
// Country letter, hyphen, postcode, blank, town.
inline const QString InstitutePostcodeCity = QStringLiteral("D-12345 Beispielstadt");
inline const QString InstituteEmail = QStringLiteral("fragebogen@zurizazu.example");
inline const QString InstituteWebAddress = QStringLiteral("www.zurizazu.example");
inline const QString SupportWebAddress = QStringLiteral("https://support.zurizazu.example/ruv-o");

inline const QString IssuerName = QStringLiteral("Erika Beispiel");
inline const QString IssuerStreet = QStringLiteral("Lindenallee 3");
inline const QString IssuerPostcodeCity = QStringLiteral("D-54321 Musterhausen");
inline const QString IssuerCountry = QStringLiteral("Deutschland");
inline const QString IssuerEmail = QStringLiteral("ausgabe@zurizazu.example");

}  // namespace installation
