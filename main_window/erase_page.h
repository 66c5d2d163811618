#pragma once

#include "ui_frame/picture_box.h"

#include <QWidget>

#include <memory>

class QLabel;

namespace orvanta {

// The erase page (`Body_Trash`): it offers to erase all past results, asks
// for confirmation on the page itself, and says when it is done. Exactly the
// controls of the current state are visible:
//   Offer    Trashlbl1, ButTrash                  (opening the page; "No")
//   Confirm  Trashlbl2, ButTrash_No, ButTrash_Yes ("Trash")
//   Done     Trashlbl3                            (after the erase)
// "Trash" and "No" change the state here; "Yes" only emits eraseConfirmed():
// the main window erases and then sets Done.
class ErasePage : public QWidget {
    Q_OBJECT
public:
    enum class State { Offer, Confirm, Done };

    explicit ErasePage(std::shared_ptr<const PictureSource> pictures, QWidget* parent = nullptr);

    State state() const { return state_; }
    void setState(State state);

    // The hover pictures of the three buttons for one tick.
    void updateHover(const QPoint& cursor);

    QLabel* Trashlbl1 = nullptr;
    QLabel* Trashlbl2 = nullptr;
    QLabel* Trashlbl3 = nullptr;
    PictureButton* ButTrash = nullptr;
    PictureButton* ButTrash_No = nullptr;
    PictureButton* ButTrash_Yes = nullptr;

signals:
    void eraseConfirmed();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    PictureButton* makeButton(const char* name, const QString& caption);
    void layOut();

    std::shared_ptr<const PictureSource> pictures_;
    State state_ = State::Offer;
};

} // namespace orvanta
