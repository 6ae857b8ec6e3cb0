#pragma once

#include <QtCore/QString>

// "V1.007 Build 10110314" for product version 1.0.0.7 and file version
// 10.11.3.14; empty when either is not four numbers.
QString FormatVersionText(const QString& productVersion, const QString& fileVersion);

// The version text of this program, from the versions it was built with.
QString BuildVersionText();
