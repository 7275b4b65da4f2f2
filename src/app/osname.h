#pragma once

#include "platform/systeminfo.h"

#include <QString>

// "2.6.1": platform id, major and minor version joined by dots.
QString windowsVersionText(int platformId, int major, int minor);
// The name of a Windows version text, or the text itself when unknown.
QString windowsName(const QString& versionText);
// The about box's operating-system label: "S.O: " and the name.
QString osLabelText(const OsIdentity& os);
