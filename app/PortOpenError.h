#pragma once

#include <QtCore/QString>

#include <string>

// Why a serial device would not open, in words a user can act on: the
// system's reason and, when access was refused, the group to join.
QString PortOpenFailureReason(const std::string& devicePath, int error);
