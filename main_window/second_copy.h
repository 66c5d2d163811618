#pragma once

#include "data/app_folder.h"
#include "ui_frame/pop_up.h"

// What a second copy of the program does when the first still runs on the
// same application folder (data/folder_lock.h): it says so in the program's
// own pop-up and ends, writing nothing.
namespace orvanta {

// The pop-up itself: title "Orvanta", one button.
void TellAlreadyRunning(PopUpChannel& popUps);

// The pop-up on the pictures the running copy installed in `folder`.
void TellAlreadyRunning(const AppFolder& folder);

} // namespace orvanta
