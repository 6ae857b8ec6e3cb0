#pragma once

#include <QtCore/QString>

// The text of a coded field value (ValueNames) in the user's language.
QString ValueText(int index);
