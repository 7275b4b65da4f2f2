#include "store/penastore.h"

#include "store/storeerror.h"

void deletePenaRecord(DataFiles& files, int record) {
    QList<QByteArray> kept;
    for (int r = 1;; ++r) {
        auto bytes = files.penas().read(r);
        if (!bytes) break;
        if (r != record) kept.append(*bytes);
    }
    QList<PenaRecord> penas;
    penas.reserve(kept.size());
    // Raw bytes go through decode/encode unchanged: the image round-trips.
    for (const QByteArray& b : kept)
        penas.append(PenaRecord::decode(b));
    files.rewritePenas(penas);
}

void appendPenaRecord(DataFiles& files, int next, const PenaRecord& pena) {
    files.writePena(next, pena);
}

QString permissionErrorText() {
    return QStringLiteral("Para modificar el archivo necesita permiso de Administrador.\r\n"
                          "Cierre el programa y ejecútelo en modo Administrador y repita la "
                          "operación.\r\n(Encima del icono, botón derecho y elija \"Ejecutar como "
                          "administrador\")");
}

ChangeFailure changeFailure(const StoreError& error, const QString& fileName) {
    switch (error.kind()) {
    case StoreError::Kind::Access:
        return {permissionErrorText(), kPermissionErrorTitle};
    case StoreError::Kind::Unavailable:
        return {error.text(), QStringLiteral("¡Vaya hombre!")};
    case StoreError::Kind::TooManyRecords:
        return {fileFullText(fileName), QStringLiteral("¡Vaya hombre!")};
    case StoreError::Kind::Io:
        break;
    }
    return {QStringLiteral("No se ha podido modificar el archivo %1 (puede que el disco esté "
                           "lleno): se ha dejado como estaba.")
                .arg(fileName),
            QStringLiteral("¡Vaya hombre!")};
}

QString fileFullText(const QString& fileName) {
    return QStringLiteral("El archivo %1 está lleno: no admite más de 32766 registros. No se ha "
                          "grabado nada.")
        .arg(fileName);
}
