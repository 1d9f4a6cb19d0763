#pragma once

#include <QFileDevice>
#include <QString>

// What the program makes for the user (settings, templates, recovery
// copies) is for the user alone: files 0600, folders 0700.
constexpr QFileDevice::Permissions PrivateFilePermissions = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
constexpr QFileDevice::Permissions PrivateFolderPermissions = PrivateFilePermissions | QFileDevice::ExeOwner;

// Makes the folders missing on the way to folder, each for its owner alone;
// folders that exist keep their permissions. True when folder is there.
bool makePrivateFolder(const QString &folder);

// Makes path as an empty file for its owner alone, so that a save that
// fills it keeps that; false when it exists already or cannot be made.
bool createPrivateFile(const QString &path);
