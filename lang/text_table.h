// The text table: every interface text of the current language by its key, and which language that is. The
// 76 keys of the original program come first, then the texts of the tray's note-keeping commands (find,
// export, add from a file, a base.db changed elsewhere, the trash and the copies of base.db); keys, their
// language-file sections and kinds are fixed; only the values change with the language, and a
// language change replaces all of them at once. Short texts never exceed 255 characters. The built-in
// Russian texts are held in code page 1251, a language file's texts as the file has them (CodePage()).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "base/ini_reader.h"

namespace velpiners {

// The keys in table order, which is also the order a language file is read in.
enum class TextKey : std::uint8_t {
    mConfig,
    mdelete,
    mCopys,
    dfNapom,
    dfText,
    dfSver,
    dfRazver,
    mNewStick,
    mClose,
    mLang,
    mmRus,
    mmEng,
    mAbout,
    mDeleteAll,
    mHotKey,
    mSticks,
    mSticksView,
    mDeist,
    mFindSreen,
    mFindTransp,
    bOk,
    bNO,
    bPrim,
    capLtext,
    capLFont,
    capLColor,
    capLDatatext,
    capCBusedata,
    vidLTransp,
    vidBGSt,
    vidCBLock,
    vidCBSC,
    vidCBST,
    vidSt1,
    vidSt2,
    vidSt3,
    vidSt4,
    vidSt5,
    vidSt6,
    vidSt7,
    vidSt8,
    vidSt9,
    vidSt10,
    vidSt11,
    vidSt12,
    vidSt13,
    vidSt14,
    vidSt15,
    vidSt16,
    vidSt17,
    vidInterval,
    vidMouseLook,
    vidIntSec,
    bPattPrim,
    bPattSave,
    bPattDel,
    dPattFile,
    fConfig,
    posUp,
    posBottom,
    tabCapt,
    tabText,
    tabVid,
    tabIcon,
    tabPos,
    tabPattern,
    aligL,
    aligC,
    aligR,
    fSBrandhint,
    fUseColor,
    buffIn,
    buffOut,
    dialCaptionDeleteAll,
    dialTextDeleteAll,
    capCBAutoPer,
    mFindNote,
    mExport,
    mAddFromFile,
    fFind,
    mAllFiles,
    mTextFiles,
    mAdded,
    mDuplicates,
    mNoRoom,
    mTorn,
    mChangedKept,
    // The tray's trash and snapshots: their submenus, questions and the dates of the copies.
    mTrash,
    mRestore,
    mTrashEmpty,
    mMenuEmpty,
    dialTextEmptyTrash,
    dialTextRestore,
    mNotesCount,
    mMonth1,
    mMonth2,
    mMonth3,
    mMonth4,
    mMonth5,
    mMonth6,
    mMonth7,
    mMonth8,
    mMonth9,
    mMonth10,
    mMonth11,
    mMonth12
};

inline constexpr std::size_t kTextCount = 106;
inline constexpr std::size_t kShortTextLimit = 255;

enum class TextSection : std::uint8_t { Sticker, Tray, Setting };
enum class TextKind : std::uint8_t { Short, Long };
enum class LanguageKind : std::uint8_t { Russian = 1, English = 2, File = 3 };
// The code page a language's texts are in: kSystemCodePage (0) for the system's ANSI code page, else its
// number. The built-in Russian texts are in 1251, the built-in English ones plain ASCII (the same in every
// code page), a language file's in the code page its Options section declares (CodePage=1251), or the
// system's when it declares none. The interface shows them converted from it, whatever the system's.
inline constexpr unsigned kSystemCodePage = 0;
inline constexpr unsigned kRussianCodePage = 1251;
// The code page a language file declares in its Options section; kSystemCodePage when it declares none or
// something that is no code page number.
[[nodiscard]] unsigned DeclaredCodePage(const IniReader& ini);

struct TextInfo {
    TextKey id;
    std::string_view key;  // the name in language files
    TextSection section;
    TextKind kind;
    std::string_view russianUtf8;  // the built-in Russian text before its conversion to code page 1251
    std::string_view english;
    std::string_view fileDefault;  // what a language file without the key gives (fConfig gets its ":" after)
};

[[nodiscard]] const std::array<TextInfo, kTextCount>& AllTexts();
[[nodiscard]] const TextInfo& InfoOf(TextKey key);
// Exact, case-sensitive match of a key name.
[[nodiscard]] std::optional<TextKey> FindTextKey(std::string_view name);
// "Sticker", "Tray" or "Setting".
[[nodiscard]] std::string_view SectionName(TextSection section);

// The file name without its folder: what follows the last '\' or '/'.
[[nodiscard]] std::string FileNameOfPath(std::string_view path);

class TextTable {
public:
    // Starts with the built-in English texts, so that the table is complete before a language is chosen.
    TextTable();

    // The text of a key in the current language; an empty string for an unknown key.
    [[nodiscard]] const std::string& Get(std::string_view key) const;
    [[nodiscard]] const std::string& Get(TextKey key) const;

    void LoadRussianTexts();
    void LoadEnglishTexts();
    // Fills the table from a language file read through ini; path gives the file name. A missing file or key
    // gives the key's file default.
    void LoadLanguageFile(const std::string& path, const IniReader& ini);

    [[nodiscard]] LanguageKind Kind() const { return m_kind; }
    [[nodiscard]] unsigned CodePage() const { return m_codePage; }
    [[nodiscard]] bool EnglishFlag() const { return m_english; }
    [[nodiscard]] bool RussianFlag() const { return m_russian; }
    // The active language file's name (no folder); empty for the built-in languages.
    [[nodiscard]] const std::string& FileName() const { return m_fileName; }

private:
    std::array<std::string, kTextCount> m_texts;
    LanguageKind m_kind = LanguageKind::English;
    unsigned m_codePage = kSystemCodePage;
    bool m_english = true;
    bool m_russian = false;
    std::string m_fileName;
};

}  // namespace velpiners
