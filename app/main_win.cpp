// Program entry: single instance, autorun, the forms in their order, the message loop.
#include <windows.h>

#include <exception>

#include "app/autorun_win.h"
#include "app/command_line.h"
#include "app/velpin_win.h"
#include "dialogs/dialog_forms_win.h"
#include "ui/error_box_win.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    using namespace velpiners;

    // Decided before anything else exists, as early as the program can.
    const bool anotherInstance = AnotherInstanceRuns();

    // A second copy started with the parameter still registers the program before it ends.
    if (WantsAutorun(::GetCommandLineA())) WriteAutorun();
    if (anotherInstance) return 0;

    TVelpin velpin;
    if (!velpin.FormCreate()) return 1;
    TSettingsForm settingsForm;
    TFormDialog formDialog;
    try {
        settingsForm.FormCreate(velpin);
        velpin.SetSettingsForm(&settingsForm);
    } catch (const std::exception& error) {
        // Without the dialog the stickers still work; their properties cannot be opened.
        ShowErrorBox(error.what());
    }
    formDialog.FormCreate([&velpin](TextKey key) { return velpin.ShownText(key); });
    velpin.SetFormDialog(&formDialog);
    TFormStickerMess formStickerMess(velpin);
    try {
        formStickerMess.FormCreate();
        velpin.SetNewStickerDialog({[&formStickerMess] { formStickerMess.ShowNewSticker(); }});
    } catch (const std::exception& error) {
        // The program goes on without the dialog; the tray's quick new sticker still works.
        ShowErrorBox(error.what());
    }
    TAboutForm aboutForm;
    aboutForm.FormCreate();
    velpin.SetAboutForm(&aboutForm);

    MSG message;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
