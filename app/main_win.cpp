// Program entry: single instance, autorun, the forms in their order, the message loop.
#include <windows.h>

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
    SettingsFormServices services;
    services.texts = [&velpin](TextKey key) { return velpin.ShownText(key); };
    services.programFolder = velpin.ProgramFolder();
    services.pictures = &velpin;
    services.fillIconList = [&velpin](HIMAGELIST list, std::vector<std::string>& items) {
        velpin.FillIconList(list, items);
    };
    services.askPatternName = [&velpin, &formDialog](std::string& name) {
        if (!formDialog.AskText(velpin.ShownText(TextKey::dialCaptionDeleteAll), velpin.ShownText(TextKey::dPattFile)))
            return false;
        name = formDialog.Answer();
        return true;
    };
    services.controller = velpin.Handle();
    try {
        settingsForm.FormCreate(std::move(services));
        velpin.SetSettingsForm(&settingsForm);
    } catch (const std::exception& error) {
        // Without the dialog the stickers still work; their properties cannot be opened.
        ShowErrorBox(error.what());
    }
    formDialog.FormCreate([&velpin](TextKey key) { return velpin.ShownText(key); });
    velpin.SetFormDialog(&formDialog);
    TFormStickerMess formStickerMess;
    formStickerMess.FormCreate();
    // The new-sticker dialog's window exists; its content and ShowNewSticker come with the dialog itself, so
    // for now the controller only learns whether it shows.
    velpin.SetNewStickerDialog(
        {[&formStickerMess] { return ::IsWindowVisible(formStickerMess.Handle()) != FALSE; }, nullptr});
    TAboutForm aboutForm;
    aboutForm.FormCreate();
    velpin.SetAboutForm(&aboutForm);

    MSG message;
    while (::GetMessageA(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}
