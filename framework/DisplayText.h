#pragma once
// Texts are byte strings holding UTF-8; displayed texts break lines at CR,
// CR LF or LF, and text areas hand their line breaks back as CR.
#include <QString>
#include "Text.h"

QString ToDisplay(const String& text);
String FromDisplay(const QString& text);       // as typed, line breaks as LF
String FromDisplayWithCR(const QString& text); // line breaks as CR
