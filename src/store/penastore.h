#pragma once

#include "store/datafiles.h"
#include "store/storeerror.h"

#include <QString>

// Removes peña record `record` (from 1): every later peña moves down one
// record with its content unchanged. Throws StoreError; the file is then
// left as it was.
void deletePenaRecord(DataFiles& files, int record);

// Appends a peña at record `next`; refuses past 32 766 records (StoreError).
void appendPenaRecord(DataFiles& files, int next, const PenaRecord& pena);

// The shared message for a rewrite the platform refused.
QString permissionErrorText();
inline const QString kPermissionErrorTitle = QStringLiteral("Error de permiso");
// What the user is told when a change to `fileName` failed: the permission
// message, the file's own refusal, or that it was left as it was.
struct ChangeFailure {
    QString text;
    QString title;
};
ChangeFailure changeFailure(const StoreError& error, const QString& fileName);
// Shown when a file would pass its 32 766 records.
QString fileFullText(const QString& fileName);
