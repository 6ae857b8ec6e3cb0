#pragma once

#include "ImageBuilder.h"

#include <QtCore/QFile>
#include <QtCore/QString>

#include <cstdint>
#include <vector>

inline bool WriteBytes(const QString& path, const std::vector<uint8_t>& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    return file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()))
        == static_cast<qint64>(bytes.size());
}

inline std::vector<uint8_t> ReadBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray data = file.readAll();
    return std::vector<uint8_t>(data.begin(), data.end());
}

// Two satellites; ASTRA has three transponders, the second at 11778. Its
// first transponder carries two TV programs, one radio program and one
// TV-table record without video PID.
inline ImageBuilder SmallImage(int flashType = 2)
{
    ImageBuilder builder(flashType);
    builder.AddSatellite(MakeSatellite(1, "ASTRA", 192));
    builder.AddSatellite(MakeSatellite(2, "HOTBIRD", 130));
    builder.AddTransponder(MakeTransponder(10, 1, 11700));
    builder.AddTransponder(MakeTransponder(11, 1, 11778, 22000, 1));
    builder.AddTransponder(MakeTransponder(12, 1, 11800));
    builder.AddTransponder(MakeTransponder(20, 2, 10719));
    builder.AddTv(MakeProgram(1, 10, 101, "One", 0x101), 0x7F);
    // Locked, in Movies and News.
    builder.AddTv(MakeProgram(1, 10, 102, "Two", 0x102), 0x6C);
    builder.AddTv(MakeProgram(1, 10, 103, "Silent", 0), 0x7F);
    builder.AddTv(MakeProgram(2, 20, 201, "Three", 0x201), 0x7F);
    builder.AddRadio(MakeProgram(1, 10, 301, "Wave", 0), 0x7F);
    return builder;
}
