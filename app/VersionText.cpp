#include "VersionText.h"

#include <QtCore/QCoreApplication>

#include <QtCore/QStringList>

#include <array>
#include <optional>

namespace {

std::optional<std::array<int, 4>> ParseVersion(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char('.'));
    if (parts.size() != 4)
        return std::nullopt;
    std::array<int, 4> numbers {};
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        numbers[static_cast<size_t>(i)] = parts[i].toInt(&ok);
        if (!ok || numbers[static_cast<size_t>(i)] < 0 || numbers[static_cast<size_t>(i)] > 0xFFFF)
            return std::nullopt;
    }
    return numbers;
}

} // namespace

QString FormatVersionText(const QString& productVersion, const QString& fileVersion)
{
    const auto product = ParseVersion(productVersion);
    const auto file = ParseVersion(fileVersion);
    if (!product || !file)
        return {};
    return QStringLiteral("V") + FormatProductVersion(productVersion)
        + QString::asprintf(" Build %02d%02d%02d%02d", (*file)[0], (*file)[1], (*file)[2], (*file)[3]);
}

QString FormatProductVersion(const QString& productVersion)
{
    const auto product = ParseVersion(productVersion);
    if (!product)
        return {};
    return QString::asprintf("%d.%d%d%d", (*product)[0], (*product)[1], (*product)[2], (*product)[3]);
}

QString BuildAboutText()
{
    return QCoreApplication::translate("VersionText", "Tavrel Version %1")
        .arg(FormatProductVersion(QString::fromLatin1(TAVREL_PRODUCT_VERSION)));
}

QString BuildVersionText()
{
    return FormatVersionText(QString::fromLatin1(TAVREL_PRODUCT_VERSION), QString::fromLatin1(TAVREL_FILE_VERSION));
}
