#pragma once

#include <QString>

// Addresses of the outside world: build settings, each overridable by the
// environment variable of the same name.
QString operatorSite(); // VANTIKO_OPERATOR_SITE
QString makerSite();    // VANTIKO_MAKER_SITE
QString makerMail();
QString shopPage(); // the maker's online shop, under the maker's site
// A new mail message to the maker: "mailto:" with the program's name and
// version as subject.
QString makerMailLink();
QString pdfReaderPage(); // VANTIKO_PDF_READER_PAGE: where a PDF reader is downloaded
