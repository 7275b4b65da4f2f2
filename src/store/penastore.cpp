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

QString fileFullText(const QString& fileName) {
    return QStringLiteral("El archivo %1 está lleno: no admite más de 32766 registros. No se ha "
                          "grabado nada.")
        .arg(fileName);
}
