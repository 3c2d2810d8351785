#include "lang/text_table.h"

#include "base/profile_integer.h"

#include <utility>

#include "lang/cp1251.h"

namespace velpiners {
namespace {

// The Russian texts below are UTF-8 literals, converted to code page 1251 once on first use; MSVC needs
// /utf-8 to read this file.
static_assert(sizeof("Я") == 3, "this file must be compiled with UTF-8 as the execution character set");

// Key, section, kind, built-in Russian, built-in English, the default a language file without the key gives.
constexpr std::array<TextInfo, kTextCount> kTexts = {{
    {TextKey::mConfig, "mConfig", TextSection::Sticker, TextKind::Short, "Настройки", "Properties", "Properties"},
    {TextKey::mdelete, "mdelete", TextSection::Sticker, TextKind::Short, "Удалить стикер", "Delete sticker",
     "Delete sticker"},
    {TextKey::mCopys, "mCopys", TextSection::Sticker, TextKind::Short, "Создать копию", "Duplicate sticker",
     "Duplicate Window"},
    {TextKey::dfNapom, "dfNapom", TextSection::Sticker, TextKind::Short, "Стикер", "Sticker", "Sticker"},
    {TextKey::dfText, "dfText", TextSection::Sticker, TextKind::Short, "Текст", "Text", "Text"},
    {TextKey::dfSver, "dfSver", TextSection::Sticker, TextKind::Long, "Свернуть стикер", "Minimize sticker",
     "Minimize sticker"},
    {TextKey::dfRazver, "dfRazver", TextSection::Sticker, TextKind::Long, "Развернуть стикер", "Normalize sticker",
     "Normalize sticker"},
    {TextKey::mNewStick, "mNewStick", TextSection::Tray, TextKind::Short, "Новый стикер", "New sticker", "New sticker"},
    {TextKey::mClose, "mClose", TextSection::Tray, TextKind::Short, "Закрыть программу", "Close", "Close"},
    {TextKey::mLang, "mLang", TextSection::Tray, TextKind::Short, "Язык", "Language", "Language"},
    {TextKey::mmRus, "mmRus", TextSection::Tray, TextKind::Short, "Русский", "Russian", "Russian"},
    {TextKey::mmEng, "mmEng", TextSection::Tray, TextKind::Short, "Английский", "English", "English"},
    {TextKey::mAbout, "mAbout", TextSection::Tray, TextKind::Short, "Об Авторе", "About", "About"},
    {TextKey::mDeleteAll, "mDeleteAll", TextSection::Tray, TextKind::Short, "Удалить все стикеры",
     "Delete all stickers", "Delete all stickers"},
    {TextKey::mHotKey, "mHotKey", TextSection::Tray, TextKind::Short, "Горячие клавиши", "HotKey", "HotKey"},
    {TextKey::mSticks, "mSticks", TextSection::Tray, TextKind::Long, "Стикеры", "Stickers", "Stickers"},
    {TextKey::mSticksView, "mSticksView", TextSection::Tray, TextKind::Long, "Показать", "Show", "Show"},
    {TextKey::mDeist, "mDeist", TextSection::Tray, TextKind::Long, "Действия", "Action", "Action"},
    {TextKey::mFindSreen, "mFindSreen", TextSection::Tray, TextKind::Long, "Найти стикеры за экраном",
     "Show off-screen stickers", "Show off-screen stickers"},
    {TextKey::mFindTransp, "mFindTransp", TextSection::Tray, TextKind::Long, "Найти прозрачные стикеры",
     "Show transparent stickers", "Show transparent stickers"},
    {TextKey::bOk, "bOk", TextSection::Setting, TextKind::Short, "Ok", "Ok", "Ok"},
    {TextKey::bNO, "bNO", TextSection::Setting, TextKind::Short, "Отмена", "Cancel", "Cancel"},
    {TextKey::bPrim, "bPrim", TextSection::Setting, TextKind::Short, "Применить", "Apply", "Apply"},
    {TextKey::capLtext, "capLtext", TextSection::Setting, TextKind::Short, "Текст заголовка", "Caption", "Caption"},
    {TextKey::capLFont, "capLFont", TextSection::Setting, TextKind::Short, "Шрифт заголовка", "Caption font",
     "Caption font"},
    {TextKey::capLColor, "capLColor", TextSection::Setting, TextKind::Short, "Цвет текста заголовка", "Font color",
     "Caption color"},
    {TextKey::capLDatatext, "capLDatatext", TextSection::Setting, TextKind::Short, "Текст даты", "Date", "Date"},
    {TextKey::capCBusedata, "capCBusedata", TextSection::Setting, TextKind::Short, "Отображать дату", "Use date",
     "Use date"},
    {TextKey::vidLTransp, "vidLTransp", TextSection::Setting, TextKind::Short, "Прозрачность", "Transparent",
     "Transparent"},
    {TextKey::vidBGSt, "vidBGSt", TextSection::Setting, TextKind::Short, "Стиль окна", "Style", "Style"},
    {TextKey::vidCBLock, "vidCBLock", TextSection::Setting, TextKind::Short, "Закрепить окно", "Lock move",
     "Lock move"},
    {TextKey::vidCBSC, "vidCBSC", TextSection::Setting, TextKind::Short, "Тень заголовка", "Shadow caption",
     "Caption shadow"},
    {TextKey::vidCBST, "vidCBST", TextSection::Setting, TextKind::Short, "Тень текста", "Shadow text", "Text shadow"},
    {TextKey::vidSt1, "vidSt1", TextSection::Setting, TextKind::Short, "Темное стекло", "Dark glass", "Dark glass"},
    {TextKey::vidSt2, "vidSt2", TextSection::Setting, TextKind::Short, "Вдавленный", "Inner", "Inner"},
    {TextKey::vidSt3, "vidSt3", TextSection::Setting, TextKind::Short, "Плоский", "Flat", "Flat"},
    {TextKey::vidSt4, "vidSt4", TextSection::Setting, TextKind::Short, "Светлое стекло", "Silver glass",
     "Silver glass"},
    {TextKey::vidSt5, "vidSt5", TextSection::Setting, TextKind::Short, "Стекло", "Glass", "Glass"},
    {TextKey::vidSt6, "vidSt6", TextSection::Setting, TextKind::Short, "Панель", "Panel", "Panel"},
    {TextKey::vidSt7, "vidSt7", TextSection::Setting, TextKind::Short, "Окно", "Classic", "Classic"},
    {TextKey::vidSt8, "vidSt8", TextSection::Setting, TextKind::Short, "Узкий", "Narrow", "Narrow"},
    {TextKey::vidSt9, "vidSt9", TextSection::Setting, TextKind::Short, "Аэро", "Aero", "Aero"},
    {TextKey::vidSt10, "vidSt10", TextSection::Setting, TextKind::Short, "Модерн", "Modern", "Modern"},
    {TextKey::vidSt11, "vidSt11", TextSection::Setting, TextKind::Short, "Лист", "List", "List"},
    {TextKey::vidSt12, "vidSt12", TextSection::Setting, TextKind::Short, "Vista Glass", "Vista Glass", "Vista Glass"},
    {TextKey::vidSt13, "vidSt13", TextSection::Setting, TextKind::Short, "Vista", "Vista", "Vista"},
    {TextKey::vidSt14, "vidSt14", TextSection::Setting, TextKind::Short, "Vista Aero", "Vista Aero", "Vista Aero"},
    {TextKey::vidSt15, "vidSt15", TextSection::Setting, TextKind::Short, "Х.З.", "H.Z.", "H.Z."},
    {TextKey::vidSt16, "vidSt16", TextSection::Setting, TextKind::Short, "Плоская панель", "Flat panel", "Flat panel"},
    {TextKey::vidSt17, "vidSt17", TextSection::Setting, TextKind::Short, "Текст", "Text", "Text"},
    {TextKey::vidInterval, "vidInterval", TextSection::Setting, TextKind::Long, "Интервал скрытности", "Delay time",
     "Delay time"},
    {TextKey::vidMouseLook, "vidMouseLook", TextSection::Setting, TextKind::Long, "Прятаться от курсора мышки",
     "Hide sticker at mouse pointer", "Hide sticker at mouse pointer"},
    {TextKey::vidIntSec, "vidIntSec", TextSection::Setting, TextKind::Long, "сек.", "sec.", "sec."},
    {TextKey::bPattPrim, "bPattPrim", TextSection::Setting, TextKind::Long, "Загрузить", "Load", "Load"},
    {TextKey::bPattSave, "bPattSave", TextSection::Setting, TextKind::Long, "Сохранить", "Save", "Save"},
    {TextKey::bPattDel, "bPattDel", TextSection::Setting, TextKind::Long, "Удалить", "Delete", "Delete"},
    {TextKey::dPattFile, "dPattFile", TextSection::Setting, TextKind::Long, "Введите название нового шаблона",
     "Enter the name of new pattern", "Enter the name of new pattern"},
    {TextKey::fConfig, "fConfig", TextSection::Setting, TextKind::Short, "Настройки:", "Properties:", "Properties"},
    {TextKey::posUp, "posUp", TextSection::Setting, TextKind::Short, "Поверх всех окон", "Topmost", "Topmost"},
    {TextKey::posBottom, "posBottom", TextSection::Setting, TextKind::Short, "На рабочем столе", "Desktop", "Desktop"},
    {TextKey::tabCapt, "tabCapt", TextSection::Setting, TextKind::Short, "Заголовок", "Caption", "Caption"},
    {TextKey::tabText, "tabText", TextSection::Setting, TextKind::Short, "Текст", "Text", "Text"},
    {TextKey::tabVid, "tabVid", TextSection::Setting, TextKind::Short, "Вид", "Appearance", "Appearance"},
    {TextKey::tabIcon, "tabIcon", TextSection::Setting, TextKind::Short, "Иконка", "Icon", "Icon"},
    {TextKey::tabPos, "tabPos", TextSection::Setting, TextKind::Short, "Положение", "Position", "Position"},
    {TextKey::tabPattern, "tabPattern", TextSection::Setting, TextKind::Long, "Шаблоны", "Patterns", "Patterns"},
    {TextKey::aligL, "aligL", TextSection::Setting, TextKind::Long, "По левому краю", "Left", "Left"},
    {TextKey::aligC, "aligC", TextSection::Setting, TextKind::Long, "По центру", "Center", "Center"},
    {TextKey::aligR, "aligR", TextSection::Setting, TextKind::Long, "По правому краю", "Right", "Right"},
    {TextKey::fSBrandhint, "fSBrandhint", TextSection::Setting, TextKind::Short, "Случайный цвет", "Random color",
     "Random color"},
    {TextKey::fUseColor, "fUseColor", TextSection::Setting, TextKind::Short, "Цветная отрисовка", "Use color",
     "Use color"},
    {TextKey::buffIn, "buffIn", TextSection::Setting, TextKind::Long, "Вставить текст из буфера", "Paste", "Paste"},
    {TextKey::buffOut, "buffOut", TextSection::Setting, TextKind::Long, "Скопировать текст в буфер", "Copy", "Copy"},
    {TextKey::dialCaptionDeleteAll, "dialCaptionDeleteAll", TextSection::Tray, TextKind::Short,
     "Velpiners: Подтверждение", "Velpiners: Confirmation", "Velpiners: Confirmation"},
    {TextKey::dialTextDeleteAll, "dialTextDeleteAll", TextSection::Tray, TextKind::Short, "Удалить все стикеры?",
     "Delete all stickers?", "Delete all stickers?"},
    {TextKey::capCBAutoPer, "capCBAutoPer", TextSection::Setting, TextKind::Short, "Автоперенос слов",
     "Automatic word wrap", "Automatic word wrap"},
    {TextKey::mFindNote, "mFindNote", TextSection::Tray, TextKind::Long, "Найти стикер…", "Find a note...",
     "Find a note..."},
    {TextKey::mExport, "mExport", TextSection::Tray, TextKind::Long, "Сохранить стикеры в текстовый файл…",
     "Export notes...", "Export notes..."},
    {TextKey::mAddFromFile, "mAddFromFile", TextSection::Tray, TextKind::Long, "Добавить стикеры из файла…",
     "Add notes from a file...", "Add notes from a file..."},
    {TextKey::fFind, "fFind", TextSection::Tray, TextKind::Long, "Velpiners: Найти стикер", "Velpiners: Find a note",
     "Velpiners: Find a note"},
    {TextKey::mAllFiles, "mAllFiles", TextSection::Tray, TextKind::Long, "Все файлы", "All files", "All files"},
    {TextKey::mTextFiles, "mTextFiles", TextSection::Tray, TextKind::Long, "Текстовые файлы", "Text files",
     "Text files"},
    {TextKey::mAdded, "mAdded", TextSection::Tray, TextKind::Long,
     "Добавлено стикеров:", "Notes added:", "Notes added:"},
    {TextKey::mDuplicates, "mDuplicates", TextSection::Tray, TextKind::Long,
     "Уже открыты, пропущены:", "Already open, skipped:", "Already open, skipped:"},
    {TextKey::mNoRoom, "mNoRoom", TextSection::Tray, TextKind::Long, "Не добавлены, нет места (не больше 256):",
     "Not added, no room (256 at most):", "Not added, no room (256 at most):"},
    {TextKey::mTorn, "mTorn", TextSection::Tray, TextKind::Long,
     "Файл не кончается целым стикером: последние байты пропущены.",
     "The file does not end with a whole note: its last bytes were left out.",
     "The file does not end with a whole note: its last bytes were left out."},
    {TextKey::mChangedKept, "mChangedKept", TextSection::Tray, TextKind::Long,
     "base.db изменила другая программа или другой компьютер. Его стикеры сохранены в файле",
     "base.db was changed by another program or computer. Its notes are kept in the file",
     "base.db was changed by another program or computer. Its notes are kept in the file"},
    {TextKey::mTrash, "mTrash", TextSection::Tray, TextKind::Short, "Удалённые стикеры", "Deleted notes",
     "Deleted notes"},
    {TextKey::mRestore, "mRestore", TextSection::Tray, TextKind::Short, "Восстановить стикеры", "Restore notes",
     "Restore notes"},
    {TextKey::mTrashEmpty, "mTrashEmpty", TextSection::Tray, TextKind::Short, "Очистить корзину", "Empty the trash",
     "Empty the trash"},
    {TextKey::mMenuEmpty, "mMenuEmpty", TextSection::Tray, TextKind::Short, "(пусто)", "(empty)", "(empty)"},
    {TextKey::dialTextEmptyTrash, "dialTextEmptyTrash", TextSection::Tray, TextKind::Short,
     "Очистить корзину? Удалённые стикеры из неё пропадут.", "Empty the trash? The deleted notes in it are lost.",
     "Empty the trash? The deleted notes in it are lost."},
    {TextKey::dialTextRestore, "dialTextRestore", TextSection::Tray, TextKind::Short,
     "Заменить стикеры на экране копией от %1? Нынешние тоже сохранятся копией.",
     "Replace the notes on the screen with the copy of %1? The notes as they are now are kept as a copy too.",
     "Replace the notes on the screen with the copy of %1? The notes as they are now are kept as a copy too."},
    {TextKey::mNotesCount, "mNotesCount", TextSection::Tray, TextKind::Short, "стикеров: %1", "%1 notes", "%1 notes"},
    {TextKey::mMonth1, "mMonth1", TextSection::Tray, TextKind::Short, "января", "January", "January"},
    {TextKey::mMonth2, "mMonth2", TextSection::Tray, TextKind::Short, "февраля", "February", "February"},
    {TextKey::mMonth3, "mMonth3", TextSection::Tray, TextKind::Short, "марта", "March", "March"},
    {TextKey::mMonth4, "mMonth4", TextSection::Tray, TextKind::Short, "апреля", "April", "April"},
    {TextKey::mMonth5, "mMonth5", TextSection::Tray, TextKind::Short, "мая", "May", "May"},
    {TextKey::mMonth6, "mMonth6", TextSection::Tray, TextKind::Short, "июня", "June", "June"},
    {TextKey::mMonth7, "mMonth7", TextSection::Tray, TextKind::Short, "июля", "July", "July"},
    {TextKey::mMonth8, "mMonth8", TextSection::Tray, TextKind::Short, "августа", "August", "August"},
    {TextKey::mMonth9, "mMonth9", TextSection::Tray, TextKind::Short, "сентября", "September", "September"},
    {TextKey::mMonth10, "mMonth10", TextSection::Tray, TextKind::Short, "октября", "October", "October"},
    {TextKey::mMonth11, "mMonth11", TextSection::Tray, TextKind::Short, "ноября", "November", "November"},
    {TextKey::mMonth12, "mMonth12", TextSection::Tray, TextKind::Short, "декабря", "December", "December"},
}};

constexpr bool InTableOrder() {
    for (std::size_t i = 0; i < kTextCount; ++i)
        if (static_cast<std::size_t>(kTexts[i].id) != i) return false;
    return true;
}
static_assert(InTableOrder(), "every row must sit at the index of its key");

std::size_t IndexOf(TextKey key) { return static_cast<std::size_t>(key); }

std::string CutShort(std::string text, TextKind kind) {
    if (kind == TextKind::Short && text.size() > kShortTextLimit) text.resize(kShortTextLimit);
    return text;
}

const std::array<std::string, kTextCount>& RussianTexts() {
    static const std::array<std::string, kTextCount> texts = [] {
        std::array<std::string, kTextCount> converted;
        for (std::size_t i = 0; i < kTextCount; ++i) converted[i] = Utf8ToCp1251(kTexts[i].russianUtf8);
        return converted;
    }();
    return texts;
}

}  // namespace

const std::array<TextInfo, kTextCount>& AllTexts() { return kTexts; }

const TextInfo& InfoOf(TextKey key) { return kTexts[IndexOf(key)]; }

std::optional<TextKey> FindTextKey(std::string_view name) {
    for (const TextInfo& info : kTexts)
        if (info.key == name) return info.id;
    return std::nullopt;
}

std::string_view SectionName(TextSection section) {
    switch (section) {
        case TextSection::Sticker:
            return "Sticker";
        case TextSection::Tray:
            return "Tray";
        case TextSection::Setting:
            return "Setting";
    }
    return {};
}

std::string FileNameOfPath(std::string_view path) {
    const std::size_t split = path.find_last_of("\\/");
    return std::string(split == std::string_view::npos ? path : path.substr(split + 1));
}

TextTable::TextTable() { LoadEnglishTexts(); }

const std::string& TextTable::Get(std::string_view key) const {
    static const std::string kNone;
    const std::optional<TextKey> found = FindTextKey(key);
    return found ? m_texts[IndexOf(*found)] : kNone;
}

const std::string& TextTable::Get(TextKey key) const { return m_texts[IndexOf(key)]; }

void TextTable::LoadRussianTexts() {
    m_texts = RussianTexts();
    m_kind = LanguageKind::Russian;
    m_codePage = kRussianCodePage;
    m_russian = true;
    m_english = false;
    m_fileName.clear();
}

void TextTable::LoadEnglishTexts() {
    for (std::size_t i = 0; i < kTextCount; ++i) m_texts[i] = std::string(kTexts[i].english);
    m_kind = LanguageKind::English;
    m_codePage = kSystemCodePage;
    m_english = true;
    m_russian = false;
    m_fileName.clear();
}

unsigned DeclaredCodePage(const IniReader& ini) {
    // Code page numbers are 16 bits wide (1250..1258, 437, 65001, ...).
    constexpr std::int32_t kLargestCodePage = 65535;
    const std::optional<std::int32_t> declared = ParseProfileInteger(ini.Read("Options", "CodePage", ""));
    return declared && *declared > 0 && *declared <= kLargestCodePage ? static_cast<unsigned>(*declared)
                                                                      : kSystemCodePage;
}

void TextTable::LoadLanguageFile(const std::string& path, const IniReader& ini) {
    // Read into a fresh array so that a reader failing halfway leaves the current language whole.
    std::array<std::string, kTextCount> texts;
    for (std::size_t i = 0; i < kTextCount; ++i) {
        const TextInfo& info = kTexts[i];
        std::string text = ini.Read(SectionName(info.section), info.key, info.fileDefault);
        if (info.id == TextKey::fConfig) text += ':';
        texts[i] = CutShort(std::move(text), info.kind);
    }
    m_texts = std::move(texts);
    m_kind = LanguageKind::File;
    m_codePage = DeclaredCodePage(ini);
    m_english = false;
    m_russian = false;
    m_fileName = CutShort(FileNameOfPath(path), TextKind::Short);
}

}  // namespace velpiners
