#pragma once

#include "tools/picture_gen/toolbar_pictures.h"

#include <QImage>
#include <QSize>

// Pictures that sit on the pages of the windows: buttons with caption labels
// over them, the paper buttons of the Home page, panel backgrounds, the
// marking bar, bullets, the resize grip and the answer-sheet handle. All are
// opaque, with the page colour in their corners.
namespace orvanta::pictures {

// Background of a button whose caption is a label laid over it ("Trash",
// "Yes", "No", "OK").
QImage DrawPageButton(ButtonState state, QSize size);

// The buttons that open a paper for a first or second take.
QImage DrawLoadButton(bool hot, QSize size);

enum class PanelTint { SecondTake, Remaining, Footer };
QImage DrawFooterPanel(PanelTint tint, QSize size);

// Trough of the marking bar; its cells are drawn with DrawMarkingCell.
QImage DrawMarkingTrough(QSize size);
QImage DrawMarkingCell(QSize size);

// Heading backgrounds of the topic column and the paper column.
QImage DrawColumnHead(bool papers, QSize size);

QImage DrawGrip(QSize size);
QImage DrawBullet(QSize size);
QImage DrawHandle(QSize size);

// Background of the practice window's score panel, with a pen at its left.
QImage DrawScorePanel(QSize size);

// The bars that open the sections of the report.
QImage DrawSectionBar(QSize size);

} // namespace orvanta::pictures
