#pragma once

#include "practice/practice_rules.h"
#include "ui_frame/picture_source.h"

#include <QColor>
#include <QLabel>
#include <QList>
#include <QRect>
#include <QScrollArea>
#include <QTimer>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>

namespace orvanta {

class AnswerBox;
class PictureBox;

// Colours of the answer sheet.
inline const QColor kSheetColour(244, 245, 235);
inline const QColor kBorderBlue(178, 217, 246);      // the box around an answer box
inline const QColor kBorderGrey(192, 192, 192);      // createborder's third colour
inline const QColor kCarriedOverBlue(192, 192, 255); // second take: right the first time
inline const QColor kAnswerWhite(255, 255, 255);

// A result label (FRn, SRn): holds a result code as stored and shows it as a
// red tick or cross (nothing for the empty code).
class ResultLabel : public QLabel {
    Q_OBJECT
public:
    explicit ResultLabel(QWidget* parent);
    const QString& code() const { return code_; }
    void setCode(const QString& code);

private:
    QString code_;
};

// One line drawn on an answer frame by createborder, kept and painted with
// the frame, as persistent drawing would keep it.
struct BorderStroke {
    QRect box; // left, top, right, bottom of the lines, pixels
    QColor colour;
};

// Frame1..Frame20: one answer part. Holds QLn (the part letter), FAn (the
// answer box), FRn (first-take result), SRn (second-take result, second take
// only), Mn (the model answer: read-only, blue on white, one line, wrapped
// over several lines under a long answer box). Laid out at the design
// positions; frame 1 is re-laid out by type letter.
class AnswerFrame : public QWidget {
    Q_OBJECT
public:
    AnswerFrame(int number, Take take, QWidget* parent);

    int number() const { return number_; }
    QLabel* QL() const { return ql_; }
    AnswerBox* FA() const { return fa_; }
    ResultLabel* FR() const { return fr_; }
    ResultLabel* SR() const { return sr_; } // null in the first take
    QLabel* M() const { return m_; }

    // The design height of the frame in twips (375, or 2100 for a long
    // answer), which the stacking adds up.
    int heightTwips() const { return heightTwips_; }
    // Lays the frame out for a part of type `typeLetter` (frame 1 only; the
    // others keep the one-line layout).
    void layOutFor(const QString& typeLetter);

    // drawborder: a one-pixel box around `control` (a child of this frame):
    // 2 px outside its top and left edges, 1 px outside its bottom and right
    // edges. Mode 0 draws it light blue, mode 2 erases it, any other mode
    // draws it light grey.
    void drawborder(const QWidget* control, int mode);
    // createborder: the four lines of such a box, in this frame's pixels.
    void createborder(int top, int left, int bottom, int right, int mode);
    const QList<BorderStroke>& strokes() const { return strokes_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ResultLabel* makeResultLabel(const char* prefix, int leftTwips);

    int number_;
    Take take_;
    int heightTwips_;
    QLabel* ql_;
    AnswerBox* fa_;
    ResultLabel* fr_;
    ResultLabel* sr_ = nullptr;
    QLabel* m_;
    QList<BorderStroke> strokes_;
};

// Where the hint of a refused input goes for `box` on a sheet of `sheet`
// (both in the sheet's coordinates), with `boxes` the shown answer boxes and
// `heightForWidth` the hint's height at a width: beside the box up to the
// sheet's right edge, lifted to stay on the sheet; else below the box, else
// above it, each as wide as from the box's left to the sheet's right edge.
// The first place that lies on the sheet, is at least 96 pixels wide and
// covers no answer box is taken; beside the box when none is.
QRect HintPlace(const QRect& box, const QRect& sheet, const QList<QRect>& boxes,
                const std::function<int(int width)>& heightForWidth);

// AnsBox: the answer sheet with its twenty frames, the instruction picture
// at its bottom and the hint shown when an answer box refuses input. The
// frames stand in a view that scrolls when they are taller than the room
// above the instruction picture, so that every part stays in reach at every
// window size: by the scroll bar or the wheel, and by the keyboard, as an
// answer box taking the focus is scrolled into sight.
class AnswerSheet : public QWidget {
    Q_OBJECT
public:
    AnswerSheet(Take take, std::shared_ptr<const PictureSource> pictures, QWidget* parent);

    Take take() const { return take_; }
    // Frame 1..20.
    AnswerFrame* frame(int number) const { return frames_.at(number - 1); }
    PictureBox* PicInstruction() const { return instruction_; }
    QLabel* hintLabel() const { return hint_; }

    // StackAnswerFrames for a question of `partCount` parts.
    void StackAnswerFrames(int partCount);
    // ArrangeAnswerFrames: stacks the frames, shows frames 1..partCount, and
    // QL1 only when there are two parts or more.
    void ArrangeAnswerFrames(int partCount);

    // Shows or hides PicInstruction and lays the sheet out again.
    void showInstruction(bool shown);
    // PicInstruction at the bottom of the sheet, centred, and the frames'
    // view above it.
    void layOutContents();
    // What shows the frames: the scrolling view and the widget holding them.
    QScrollArea* framesView() const { return view_; }

    // Shows `hint` near `box` for a few seconds, where HintPlace puts it.
    void showHint(const AnswerBox* box, const QString& hint);

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The shown answer boxes, in the frames' holder's coordinates.
    QList<QRect> visibleBoxes() const;
    // The holder as tall as the shown frames, as wide as the view shows.
    void fitFramesHolder();

    Take take_;
    QScrollArea* view_;
    QWidget* holder_;
    int shownFrames_ = 0;
    std::array<AnswerFrame*, kAnswerFrameCount> frames_{};
    PictureBox* instruction_;
    QLabel* hint_;
    QTimer hintTimer_;
};

} // namespace orvanta
