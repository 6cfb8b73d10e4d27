#pragma once

#include <QByteArray>

// The filesystem type that the kernel's mount table (the text of
// /proc/self/mountinfo) gives for the device major:minor, or an empty array
// when no mount of that device is listed. Needed where the filesystem's magic
// number is ambiguous: devtmpfs reports itself as tmpfs.
QByteArray mountTypeOfDevice(const QByteArray &mountInfo, unsigned int major, unsigned int minor);
