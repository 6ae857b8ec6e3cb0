#pragma once

#include <QtCore/QStringList>

#include <string>

// How `tavrel` reads its command line: a word after a single dash that is
// no option of the program ("-dash.bin") is a file name, never a bundle of
// one-letter options; such words are moved after "--". The first word, the
// program, stays first.
QStringList WithFileNames(const QStringList& arguments, const QStringList& optionNames);

// The bytes of the command-line argument that reads as the text: a file name
// that is not valid UTF-8 does not survive the trip through QString. Empty
// when no argument reads so.
std::string ArgumentBytes(int argc, const char* const* argv, const QString& text);
