#include "store/folderlock.h"

#include <QDir>

FolderLock::FolderLock(const QString& folder) : lock_(QDir(folder).filePath(kLockFile)) {
    // Held for as long as the program runs: only a dead owner makes it stale.
    lock_.setStaleLockTime(0);
}

FolderLock::Result FolderLock::take() {
    if (lock_.tryLock(100)) return Result::Taken;
    return lock_.error() == QLockFile::LockFailedError ? Result::HeldByAnother
                                                       : Result::NotPossible;
}

QString folderInUseText(const QString& folder) {
    return QStringLiteral(
               "Vantiko ya está abierto con la carpeta de datos:\r\n%1\r\n\r\nSólo puede "
               "abrirse una vez con la misma carpeta: use la ventana que ya está "
               "abierta. Esta no cambiará ningún archivo.")
        .arg(QDir::toNativeSeparators(QDir::cleanPath(folder)));
}
