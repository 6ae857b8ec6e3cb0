#include "ValueText.h"

#include "ValueNames.h"

#include <QtCore/QCoreApplication>

// The value names again, only so that lupdate offers them to translators;
// ValueNames stays the one table the program reads.
[[maybe_unused]] constexpr const char* TRANSLATED_VALUE_NAMES[] = {
    QT_TRANSLATE_NOOP("ValueNames", "User"), QT_TRANSLATE_NOOP("ValueNames", "Single"),
    QT_TRANSLATE_NOOP("ValueNames", "Universal"), QT_TRANSLATE_NOOP("ValueNames", "18V"),
    QT_TRANSLATE_NOOP("ValueNames", "13V"), QT_TRANSLATE_NOOP("ValueNames", "Auto"),
    QT_TRANSLATE_NOOP("ValueNames", "Movies"), QT_TRANSLATE_NOOP("ValueNames", "Music"),
    QT_TRANSLATE_NOOP("ValueNames", "Cartoons"), QT_TRANSLATE_NOOP("ValueNames", "News"),
    QT_TRANSLATE_NOOP("ValueNames", "Sport"), QT_TRANSLATE_NOOP("ValueNames", "Adult"),
    QT_TRANSLATE_NOOP("ValueNames", "Off"), QT_TRANSLATE_NOOP("ValueNames", "DiSEqC1"),
    QT_TRANSLATE_NOOP("ValueNames", "DiSEqC2"), QT_TRANSLATE_NOOP("ValueNames", "DiSEqC3"),
    QT_TRANSLATE_NOOP("ValueNames", "DiSEqC4"), QT_TRANSLATE_NOOP("ValueNames", "On"),
    //: Polarisation: horizontal.
    QT_TRANSLATE_NOOP("ValueNames", "H"),
    //: Polarisation: vertical.
    QT_TRANSLATE_NOOP("ValueNames", "V"),
    //: Audio track.
    QT_TRANSLATE_NOOP("ValueNames", "Left"), QT_TRANSLATE_NOOP("ValueNames", "Right"),
    QT_TRANSLATE_NOOP("ValueNames", "Stereo"),
};

QString ValueText(int index)
{
    return QCoreApplication::translate("ValueNames", ValueNames[index]);
}
