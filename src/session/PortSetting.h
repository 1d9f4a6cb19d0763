#pragma once

#include <QString>

// The "Port" key of section "Mirandel" in the settings file: the COM port in
// force, 0 = none. A missing or non-integer value reads as 0.
int ReadPortSetting(const QString &iniPath);
// True when the file was written.
bool WritePortSetting(const QString &iniPath, int port);
