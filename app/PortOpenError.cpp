#include "PortOpenError.h"

#include "SerialPorts.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QStringList>

QString PortProblemReason(const PortProblem& problem)
{
    if (problem.openHere)
        return QCoreApplication::translate("PortOpenError", "open in this program");
    return QString::fromLocal8Bit(problem.reason.c_str());
}

QString PortProblemAdvice(const PortProblem& problem)
{
    const QString group = QString::fromLocal8Bit(problem.group.c_str());
    switch (problem.adviceKind) {
    case PortProblem::Advice::None:
        break;
    case PortProblem::Advice::JoinGroup:
        return QCoreApplication::translate("PortOpenError",
            "Your user must be in the group that owns the device (%1): sudo usermod -aG %1 $USER, then log in again.")
            .arg(group);
    case PortProblem::Advice::LogInAgain:
        return QCoreApplication::translate("PortOpenError",
            "Your user is in the group %1, but this login session is not yet: log out and in again.")
            .arg(group);
    case PortProblem::Advice::CloseOther: {
        if (problem.holders.empty())
            return QCoreApplication::translate("PortOpenError", "Another program is using the port.");
        QStringList holders;
        for (const std::string& holder : problem.holders)
            holders.append(QString::fromLocal8Bit(holder.c_str()));
        //: %1 names the programs, such as "minicom (pid 4242)".
        return QCoreApplication::translate("PortOpenError", "Another program is using the port: %1. Close it, then try again.")
            .arg(holders.join(QStringLiteral(", ")));
    }
    case PortProblem::Advice::NotSerial:
        return QCoreApplication::translate("PortOpenError", "This is not a serial device.");
    }
    return QString();
}

QString PortOpenFailureReason(const std::string& devicePath, int error)
{
    const PortProblem problem = ExplainPortFailure(devicePath, error);
    QString text = QString::fromLocal8Bit(devicePath.c_str()) + QStringLiteral(": ") + PortProblemReason(problem);
    const QString advice = PortProblemAdvice(problem);
    if (!advice.isEmpty())
        text += QLatin1Char('\n') + advice;
    return text;
}
