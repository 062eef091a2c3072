#pragma once
// The options panel of the fonts page as the engines take it.
#include "render/font_output.h"
#include "render/icon_output.h"

class QFont;
class TfrmMain;

// The font dialog's size in whole points; a font chosen by pixel size is converted back.
int FontPointSize(const QFont &font, qreal dpi);

// The font header's options as the panel shows them.
FontOptions ChosenFontOptions(const TfrmMain &frm);

// The icon strip's options as the panel shows them. Throws zolvik::Error when "C header" is
// ticked without a name.
IconOptions ChosenIconOptions(const TfrmMain &frm);
