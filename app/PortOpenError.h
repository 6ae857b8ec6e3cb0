#pragma once

#include <QtCore/QString>

#include <string>

struct PortProblem;

// Why a serial device would not open, in words a user can act on: the
// system's reason and, when access was refused, the group to join.
QString PortOpenFailureReason(const std::string& devicePath, int error);

// The parts of a port problem in the user's language; the system's reason
// stays in the system's words.
QString PortProblemReason(const PortProblem& problem);
QString PortProblemAdvice(const PortProblem& problem);
