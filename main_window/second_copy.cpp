#include "second_copy.h"

namespace orvanta {

void TellAlreadyRunning(PopUpChannel& popUps) {
    popUps.ask(QStringLiteral("Orvanta"),
               QStringLiteral("The program is already running. Please go on in the window "
                              "that is open."),
               1, nullptr);
}

void TellAlreadyRunning(const AppFolder& folder) {
    PopUpAnswer response;
    PopUpChannel popUps(SkinContext{std::make_shared<PictureSource>(folder.graphicsFolder())},
                        response);
    TellAlreadyRunning(popUps);
}

} // namespace orvanta
