#pragma once

#include "main_window/logic/home_page_rules.h"
#include "ui_frame/picture_box.h"

#include <QWidget>

#include <array>
#include <memory>

class QLabel;

namespace orvanta {

class ClickLabel;

// The "%" column of the paper list (`Percent1a`): one "%" beside each of the
// ten score rows. The score labels lie above it; an empty score label covers
// its row's "%".
class PercentColumn : public QWidget {
    Q_OBJECT
public:
    explicit PercentColumn(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// The Home page (`Body_Home`): the topic column and the five paper blocks of
// the chosen topic, laid out as designed. It holds no state of its own; the
// main window fills it (LoadSubject, TopicChoosing, LayOutPaperList,
// Topicbuttoncolour).
//
// Design layout, twips within the page: topic rows at a pitch of 420, paper
// blocks at a pitch of 960 with their second row 240 below the first, score
// labels 420 wide, the "%" column's left edge at kPercentColumnLeft.
class HomePage : public QWidget {
    Q_OBJECT
public:
    static constexpr int kPercentColumnLeft = 5370; // twips

    explicit HomePage(std::shared_ptr<const PictureSource> pictures, QWidget* parent = nullptr);

    // Shows `name` on topic row `row` (1..10): in a smaller type when it would
    // not fit the row, and on two lines when it would not fit even so.
    void setTopicName(int row, const QString& name);

    // The five paper blocks as the rules lay them out; `available` false
    // hides them (nothing can be opened while the subject's results cannot be
    // read), leaving the heading.
    void showPaperList(const PaperList& list, bool available);

    // The hover pictures of the ten paper buttons for one tick.
    void updateHover(const QPoint& cursor);

    // Controls, named as in the design (index 0 is number 1).
    std::array<ClickLabel*, 10> Topic{};
    std::array<PictureBox*, 10> Bullet{};
    std::array<PictureButton*, 5> Pa{}; // P1a..P5a, first take
    std::array<PictureButton*, 5> Pb{}; // P1b..P5b, second take
    std::array<QLabel*, 5> MSA{};
    std::array<QLabel*, 5> MSB{};
    QLabel* SubH1 = nullptr;
    PercentColumn* Percent1a = nullptr;
    PictureBox* ColHead1 = nullptr;
    PictureBox* ColHead2 = nullptr;

signals:
    void topicClicked(int topic);           // 1..10
    void paperClicked(int paper, int take); // paper 1..5, take 1 or 2

private:
    void createTopicColumn();
    void createPaperBlocks();
    // Shows `text` on a score label standing at `leftTwips`, whole.
    void showScore(QLabel* score, const QString& text, int leftTwips);
    void describePaperButton(PictureButton* button, const QString& score);

    std::shared_ptr<const PictureSource> pictures_;
    std::array<QLabel*, 5> paperCaption_{};
    std::array<QLabel*, 5> firstRowCaption_{};
    std::array<QLabel*, 5> secondRowCaption_{};
};

} // namespace orvanta
