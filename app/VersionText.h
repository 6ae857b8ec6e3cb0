#pragma once

#include <QtCore/QString>

// "V1.007 Build 10110314" for product version 1.0.0.7 and file version
// 10.11.3.14; empty when either is not four numbers.
QString FormatVersionText(const QString& productVersion, const QString& fileVersion);

// The version text of this program, from the versions it was built with.
QString BuildVersionText();

// "1.007" for product version 1.0.0.7; empty when it is not four numbers.
QString FormatProductVersion(const QString& productVersion);

// The about box's "Tavrel Version 1.007", from the version this program was built with.
QString BuildAboutText();
