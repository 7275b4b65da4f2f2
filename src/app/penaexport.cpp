#include "app/penaexport.h"

#include "app/penapdf.h"
#include "check/penareport.h"
#include "platform/platform.h"
#include "store/appstate.h"
#include "store/storeerror.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

namespace {

// The peña's name as a file name anywhere.
QString suggestedPath(const PenaRecord& pena) {
    QString name = pena.nameText();
    name.replace(QRegularExpression(QStringLiteral("[\\\\/:*?\"<>|]")), QStringLiteral("_"));
    if (name.trimmed().isEmpty()) name = QStringLiteral("peña");
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty()) folder = QDir::homePath();
    return QDir(folder).filePath(name + QStringLiteral(".pdf"));
}

} // namespace

void exportPena(AppState& state, Platform& platform, int record) {
    const auto pena = state.files.readPena(record);
    if (!pena || !isSoundPena(*pena)) return;
    QString path =
        platform.chooser.chooseSaveFile(kExportTitle, suggestedPath(*pena), kExportFilter);
    if (path.isEmpty()) return;
    const bool csv =
        QFileInfo(path).suffix().compare(QStringLiteral("csv"), Qt::CaseInsensitive) == 0;
    const PenaReport report = penaReport(
        *pena, penaMoney(*pena, state.files.readAllDraws(), state.files.readAllPrizes()));
    const QByteArray bytes = csv ? penaCsv(report) : penaPdf(report);
    try {
        state.files.ops().replaceWith(QFileInfo(path).fileName() + QStringLiteral(".part"), path,
                                      {bytes});
    } catch (const StoreError& e) {
        platform.prompter.message(exportFailureText(path, e.text()), kExportTitle,
                                  MessageIcon::Exclamation);
    }
}
