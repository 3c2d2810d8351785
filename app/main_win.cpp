// Program entry: single instance, autorun, the forms in their order, the message loop.
#include <windows.h>

#include <exception>
#include <string>
#include <string_view>
#include <vector>

#include "app/autorun_win.h"
#include "app/command_line.h"
#include "app/velpin_win.h"
#include "dialogs/dialog_forms_win.h"
#include "ui/error_box_win.h"

namespace velpiners {
namespace {

// The new-sticker dialog's way to the controller.
class ControllerForNewSticker final : public NewStickerHost {
public:
    explicit ControllerForNewSticker(TVelpin& controller) : m_controller(controller) {}
    std::wstring ShownText(TextKey key) const override { return m_controller.ShownText(key); }
    std::string Text(TextKey key) const override { return m_controller.Text(key); }
    StickerDefaults& Defaults() override { return m_controller.Defaults(); }
    std::string ProgramFolder() const override { return m_controller.ProgramFolder(); }
    void FillIconList(HIMAGELIST list, std::vector<std::string>& items) override {
        m_controller.FillIconList(list, items);
    }
    void MakeStickerFromDialog(const std::string& caption, const std::string& date, bool onTop, bool showDate,
                               const std::string& body) override {
        m_controller.MakeStickerFromDialog(caption, date, onTop, showDate, body);
    }
    const graphics::Picture& SharedPicture(std::string_view name) const override {
        return m_controller.SharedPicture(name);
    }
    void PictureByNumber(graphics::Picture& target, int number) override {
        m_controller.PictureByNumber(target, number);
    }

private:
    TVelpin& m_controller;
};

}  // namespace
}  // namespace velpiners

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
    ControllerForNewSticker newStickerHost(velpin);
    TFormStickerMess formStickerMess(newStickerHost);
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
