#include "platform/sites.h"

#include <QUrl>

namespace {
QString setting(const char* variable, const char* fallback) {
    const QString value = qEnvironmentVariable(variable);
    return value.isEmpty() ? QString::fromUtf8(fallback) : value;
}
} // namespace

QString operatorSite() {
    return setting("VANTIKO_OPERATOR_SITE", VANTIKO_OPERATOR_SITE_DEFAULT);
}
QString makerSite() {
    return setting("VANTIKO_MAKER_SITE", VANTIKO_MAKER_SITE_DEFAULT);
}
QString makerMail() {
    return QStringLiteral(VANTIKO_MAKER_MAIL_DEFAULT);
}
QString shopPage() {
    return makerSite() + QStringLiteral("/tienda");
}
QString makerMailLink() {
    const QByteArray subject = QUrl::toPercentEncoding(QStringLiteral("Vantiko " VANTIKO_VERSION));
    return QStringLiteral("mailto:") + makerMail() + QStringLiteral("?subject=") +
           QString::fromLatin1(subject);
}

QString pdfReaderPage() {
    return setting("VANTIKO_PDF_READER_PAGE", VANTIKO_PDF_READER_PAGE_DEFAULT);
}
