#pragma once

#include <QByteArray>
#include <QDir>
#include <QString>

namespace FileNames {

// The path of the file in dir whose name equals name without regard to
// letter case. An exact match wins; with no match at all the path is
// dir/name, so that a file written there is created under the given name.
QString resolve(const QDir &dir, const QString &name);

// Replaces the file at path with data in one step: the former file stays
// whole if anything fails. Returns false on failure.
bool writeAtomically(const QString &path, const QByteArray &data);

} // namespace FileNames
