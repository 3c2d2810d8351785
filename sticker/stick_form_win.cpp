#include "sticker/stick_form_win.h"

#include <cstdint>
#include <cstring>
#include <vector>

#include "base/bounded_send_win.h"
#include "base/dpi_win.h"
#include "base/phase_times.h"
#include "base/today_text_win.h"
#include "protocol/protocol.h"
#include "sticker/desktop_host_win.h"
#include "sticker/paint_share_win.h"
#include "sticker/sticker_state.h"
#include "ui/handle_value_win.h"
#include "ui/menu_text_win.h"
#include "ui/modal_win.h"

namespace velpiners {
namespace {

constexpr UINT_PTR kHideTimerId = 1;

// Where the window is created before the controller moves it.
// "Find transparent stickers" makes a sticker fainter than this opaque.
constexpr std::uint8_t kFaintOpacity = 64;
constexpr std::uint8_t kOpaque = 255;

constexpr int kDesignLeft = 309;
constexpr int kDesignTop = 431;
constexpr int kDesignWidth = 120;
constexpr int kDesignHeight = 68;

// Asked before a move onto a monitor of another resolution (Windows 10 1703 on; the headers the program is
// built with stop at Windows 7).
constexpr UINT kGetDpiScaledSizeMessage = 0x02E4;

// The place behind a pointer of a resolution message, or nullptr. Windows sends these from the window's own
// thread while it moves the window; the same number sent from another thread or program (or posted) carries
// an address that means nothing here, so it is used only from this thread and only where `size` bytes are
// committed memory that may be read (and written when `write`).
template <typename T>
T* ResolutionMessagePointer(LPARAM lParam, bool write) {
    if (lParam == 0 || ::InSendMessageEx(nullptr) != ISMEX_NOSEND) return nullptr;
    MEMORY_BASIC_INFORMATION info{};
    if (::VirtualQuery(reinterpret_cast<const void*>(lParam), &info, sizeof info) != sizeof info) return nullptr;
    constexpr DWORD kWritable = PAGE_READWRITE | PAGE_EXECUTE_READWRITE;
    constexpr DWORD kReadable = kWritable | PAGE_READONLY | PAGE_EXECUTE_READ;
    const DWORD protection = info.Protect & ~(PAGE_GUARD | PAGE_NOCACHE | PAGE_WRITECOMBINE);
    if (info.State != MEM_COMMIT || (info.Protect & PAGE_GUARD) != 0 ||
        (protection & (write ? kWritable : kReadable)) == 0)
        return nullptr;
    const auto end = reinterpret_cast<std::uintptr_t>(info.BaseAddress) + info.RegionSize;
    if (static_cast<std::uintptr_t>(lParam) + sizeof(T) > end) return nullptr;
    return reinterpret_cast<T*>(lParam);
}

}  // namespace

TStickForm* TStickForm::Create(StickerHost& host, HWND owner, const POINT* place) {
    auto* form = new TStickForm(host);
    {
        const phase::Scope timing(phase::Phase::kCreateWindow);
        // Made where it is going to stand: every later move of a window costs a round of window messages
        // (and under Wine a round trip to the X server).
        const POINT topLeft = place != nullptr ? *place : POINT{kDesignLeft, kDesignTop};
        if (!form->CreateFormWindow("TStickForm", "", WS_POPUP, WS_EX_LAYERED | WS_EX_TOPMOST, owner, nullptr,
                                    CS_DBLCLKS, &topLeft, SIZE{kDesignWidth, kDesignHeight})) {
            delete form;
            return nullptr;
        }
    }
    form->FormCreate();
    return form;
}

TStickForm::TStickForm(StickerHost& host) : m_host(host) {}

TStickForm::~TStickForm() = default;

void TStickForm::OnWindowGone() { delete this; }

void TStickForm::FormCreate() {
    const phase::Scope timing(phase::Phase::kFormCreate);
    const POINT position = Position();
    FillStickerDefaults(m_blocks, m_host.Text(TextKey::dfNapom), m_host.Text(TextKey::dfText), TodayText(), position.x,
                        position.y);

    // The design captions; ApplyMenuCaptions replaces them with the current language's.
    m_menu.reset(::CreatePopupMenu());
    HMENU menu = m_menu.get();
    ::AppendMenuW(menu, MF_STRING, MenuCommand(MenuId::kNCopy), L"Создать копию");
    ::AppendMenuW(menu, MF_STRING, MenuCommand(MenuId::kNDelete), L"Удалить напоминание");
    ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuW(menu, MF_STRING, MenuCommand(MenuId::kNUpper), L"Поверх всех окон");
    ::AppendMenuW(menu, MF_STRING, MenuCommand(MenuId::kNBottomer), L"Ниже всех окон");
    ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuW(menu, MF_STRING, MenuCommand(MenuId::kBuffTextIn), L"BuffText");
    ::AppendMenuW(menu, MF_STRING, MenuCommand(MenuId::kBuffTextOut), L"BuffTextOut");
    ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuW(menu, MF_STRING, MenuCommand(MenuId::kNsost), L"=");
    ::AppendMenuW(menu, MF_STRING, MenuCommand(MenuId::kNConfig), L"Настройки");
    SetLayerChecks();

    m_doubleClickPending = m_focused = m_closing = m_clickedSinceFocus = m_raised = false;
    m_owner = ::GetWindow(Handle(), GW_OWNER);

    // Given at creation; setting a style again costs a round of style messages.
    const LONG_PTR exStyle = ::GetWindowLongPtrA(Handle(), GWL_EXSTYLE);
    if ((exStyle & (WS_EX_LAYERED | WS_EX_TOPMOST)) != (WS_EX_LAYERED | WS_EX_TOPMOST))
        ::SetWindowLongPtrA(Handle(), GWL_EXSTYLE, exStyle | WS_EX_LAYERED | WS_EX_TOPMOST);

    // The screen's device context is the process's one (PaintShare); the system cursor is looked up once.
    static const HCURSOR handCursor = ::LoadCursorA(nullptr, IDC_HAND);
    m_handCursor = handCursor;
    m_hideInterval = HideDelayMilliseconds(0);
    m_hideTimerRunning = false;
    // Made where it stands: the resolution of its monitor.
    m_painter.SetDpi(DpiOfWindow(Handle()));
}

void TStickForm::OnDpiChanged(int dpi, const RECT* suggested) {
    m_painter.SetDpi(dpi);
    // The picture takes its size from the layout below; the place is the one Windows suggests, so the
    // sticker stays under the pointer that drags it across.
    if (suggested != nullptr) {
        // The suggestion is in screen coordinates; a desktop-layer sticker is placed in its parent's.
        POINT place{suggested->left, suggested->top};
        HWND parent = ::GetAncestor(Handle(), GA_PARENT);
        if (parent != nullptr && parent != ::GetDesktopWindow()) ::ScreenToClient(parent, &place);
        ::SetWindowPos(Handle(), nullptr, place.x, place.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    Relayout();
}

void TStickForm::FormClose() {
    m_closing = true;
    m_painter.Release();
    StopHideTimer();
}

POINT TStickForm::Position() const {
    RECT rect{};
    ::GetWindowRect(Handle(), &rect);
    POINT place{rect.left, rect.top};
    HWND parent = ::GetAncestor(Handle(), GA_PARENT);
    if (parent != nullptr && parent != ::GetDesktopWindow()) ::ScreenToClient(parent, &place);
    return place;
}

void TStickForm::SetHideDelay() {
    m_hideInterval = HideDelayMilliseconds(m_blocks.placement.hideDelayStep);
    // A running timer starts its new interval afresh.
    if (m_hideTimerRunning) StartHideTimer();
}

void TStickForm::StartHideTimer() {
    ::SetTimer(Handle(), kHideTimerId, m_hideInterval, nullptr);
    m_hideTimerRunning = true;
}

void TStickForm::StopHideTimer() {
    if (Handle() != nullptr) ::KillTimer(Handle(), kHideTimerId);
    m_hideTimerRunning = false;
}

void TStickForm::SetLayerChecks() {
    const std::uint8_t layer = m_blocks.placement.layer;
    ::CheckMenuItem(m_menu.get(), MenuCommand(MenuId::kNUpper),
                    MF_BYCOMMAND | (layer == 0 ? MF_CHECKED : MF_UNCHECKED));
    ::CheckMenuItem(m_menu.get(), MenuCommand(MenuId::kNBottomer),
                    MF_BYCOMMAND | (layer == 1 ? MF_CHECKED : MF_UNCHECKED));
}

void TStickForm::ApplyMenuCaptions() {
    const phase::Scope timing(phase::Phase::kMenuCaptions);
    const auto setCaption = [this](MenuId id, TextKey key) {
        SetMenuItemText(m_menu.get(), id, m_host.ShownText(key));
    };
    setCaption(MenuId::kNCopy, TextKey::mCopys);
    setCaption(MenuId::kNConfig, TextKey::mConfig);
    setCaption(MenuId::kNDelete, TextKey::mdelete);
    setCaption(MenuId::kNUpper, TextKey::posUp);
    setCaption(MenuId::kNBottomer, TextKey::posBottom);
    // The clipboard items are named from the clipboard's side: copying to it says "buffOut".
    setCaption(MenuId::kBuffTextIn, TextKey::buffOut);
    setCaption(MenuId::kBuffTextOut, TextKey::buffIn);
}

void TStickForm::Relayout() {
    if (m_closing) return;
    m_painter.Relayout(m_blocks, m_focused);
    Present(m_blocks.placement.opacity);
}

void TStickForm::Repaint() {
    if (m_closing) return;
    if (!m_painter.Repaint(m_blocks, m_focused)) {
        Relayout();
        return;
    }
    Present(m_blocks.placement.opacity);
}

bool TStickForm::Present(std::uint8_t opacity) {
    HWND hwnd = Handle();
    POINT destination{};
    SIZE size{};
    {
        const phase::Scope timing(phase::Phase::kPresentOwn);
        // Presented before its first paint: one transparent pixel.
        DibSection& composed = m_painter.Composed();
        if (composed.Bitmap() == nullptr) composed.Resize(1, 1);
        const graphics::Picture& picture = composed.Pixels();
        const LONG_PTR exStyle = ::GetWindowLongPtrA(hwnd, GWL_EXSTYLE);
        if ((exStyle & WS_EX_LAYERED) == 0) ::SetWindowLongPtrA(hwnd, GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
        // The window takes the picture's size from the update itself (a separate resize before it would move
        // the window twice). The place in the parent's coordinates: a desktop-layer sticker is a child of the
        // shell's desktop window, whose origin is not the screen's when a monitor lies left of or above the
        // primary one.
        destination = Position();
        size = SIZE{picture.Width(), picture.Height()};
    }
    const PaintShare& share = PaintShare::Get();
    SelectGuard select(share.PresentDc(), m_painter.Composed().Bitmap());
    POINT origin{0, 0};
    BLENDFUNCTION blend{AC_SRC_OVER, 0, opacity, AC_SRC_ALPHA};
    {
        const phase::Scope timing(phase::Phase::kLayeredUpdate);
        m_presentHeld = ::UpdateLayeredWindow(hwnd, share.ScreenDc(), &destination, &size, share.PresentDc(), &origin,
                                              0, &blend, ULW_ALPHA) != FALSE;
    }
    m_presentedOpacity = opacity;
    return m_presentHeld;
}

void TStickForm::ApplyLayer(std::uint8_t layer) {
    const phase::Scope timing(phase::Phase::kApplyLayer);
    // Re-parenting a focused window takes the focus away and gives it back; that is not the user leaving
    // the sticker, so it must not end a raise or hide the pins.
    m_applyingLayer = true;
    PlacementBlock& p = m_blocks.placement;
    if (layer == 1) {
        // Not parented while it enters: a move on the way out of a refusing host goes to the bottom. Without a
        // host the position-changing rule holds the window there.
        p.parented = 0;
        p.parented = EnterDesktopLayer() ? 1 : 0;
    } else {
        // Re-parenting costs a hide and show of the window (and under Wine an X round trip): only when
        // there is a parent to leave.
        if (::GetAncestor(Handle(), GA_PARENT) != ::GetDesktopWindow()) {
            LeaveDesktopHost(Handle(), m_owner);
            Present(m_presentedOpacity);
        }
        p.parented = 0;
    }
    m_applyingLayer = false;
}

bool TStickForm::EnterDesktopLayer() {
    HWND hwnd = Handle();
    const DesktopHost host = FindDesktopHost(ShellWindow());
    const bool child = ::GetAncestor(hwnd, GA_PARENT) != ::GetDesktopWindow();
    if (host.window != nullptr && host.window != m_refusedHost) {
        if (child && ::GetAncestor(hwnd, GA_PARENT) == host.window && m_presentHeld) {
            KeepAboveIconView(hwnd, host);
            return true;
        }
        // The picture goes with the layered style on the way in and is presented again.
        if (EnterDesktopHost(hwnd, host, m_owner) && Present(m_presentedOpacity)) return true;
        // Refused (a system without layered child windows, a host that went meanwhile): a top-level window at
        // the bottom of the stack, as without a shell; this host is not tried again.
        m_refusedHost = host.window;
    } else if (!child) {
        return false;
    }
    LeaveDesktopHost(hwnd, m_owner);
    Present(m_presentedOpacity);
    ::SetWindowPos(hwnd, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return false;
}

void TStickForm::CheckDesktopHost() {
    if (m_blocks.placement.layer != 1 || m_raised) return;
    ApplyLayer(1);
}

void TStickForm::OnDestroy() {
    // A child goes with its parent: when the shell's window that holds the sticker is destroyed (the shell
    // ends or rebuilds its desktop), the controller makes the note again from what it holds now.
    if (m_closing || m_blocks.placement.parented != 1) return;
    const POINT place = StoredPlace();
    m_blocks.placement.left = place.x;
    m_blocks.placement.top = place.y;
    m_host.StickerLost(Handle(), m_blocks);
}

POINT TStickForm::StoredPlace() const { return m_rescued ? m_ownPlace : Position(); }

namespace {

BOOL CALLBACK AddWorkArea(HMONITOR monitor, HDC, LPRECT, LPARAM areas) {
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (::GetMonitorInfoA(monitor, &info)) {
        const RECT& work = info.rcWork;
        reinterpret_cast<std::vector<ScreenRect>*>(areas)->push_back(
            ScreenRect{work.left, work.top, work.right, work.bottom});
    }
    return TRUE;
}

// The work area of every monitor, the primary one's first (the system's own work area when the monitors
// cannot be listed).
std::vector<ScreenRect> WorkAreas() {
    std::vector<ScreenRect> areas;
    ::EnumDisplayMonitors(nullptr, nullptr, AddWorkArea, reinterpret_cast<LPARAM>(&areas));
    RECT primary{};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &primary, 0);
    const ScreenRect first{primary.left, primary.top, primary.right, primary.bottom};
    areas.insert(areas.begin(), first);
    return areas;
}

}  // namespace

TStickForm* TStickForm::OfWindow(HWND window) {
    char name[16] = {};
    if (::GetWindowThreadProcessId(window, nullptr) != ::GetCurrentThreadId() ||
        ::GetClassNameA(window, name, sizeof name) == 0 || std::strcmp(name, "TStickForm") != 0)
        return nullptr;
    return dynamic_cast<TStickForm*>(reinterpret_cast<Form*>(::GetWindowLongPtrW(window, GWLP_USERDATA)));
}

void TStickForm::Unroll() {
    if (m_blocks.placement.unrolled != 0) return;
    ToggleRollUp();
}

void TStickForm::BringIntoView() {
    RECT rect{};
    ::GetWindowRect(Handle(), &rect);
    const POINT place = Position();
    std::int32_t left = 0;
    std::int32_t top = 0;
    if (BringIntoViewPlace(place.x, place.y, rect.right - rect.left, rect.bottom - rect.top, WorkAreas(), &left,
                           &top)) {
        // The user's command: the place it moves to is the sticker's own.
        m_rescued = false;
        ::SetWindowPos(Handle(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void TStickForm::FitToMonitors(const std::vector<ScreenRect>& workAreas) {
    RECT rect{};
    ::GetWindowRect(Handle(), &rect);
    const POINT now = Position();
    const POINT own = StoredPlace();
    // Work areas are on the screen; a desktop child's place is in its host's coordinates.
    const std::int64_t shiftX = static_cast<std::int64_t>(rect.left) - now.x;
    const std::int64_t shiftY = static_cast<std::int64_t>(rect.top) - now.y;
    const MonitorPlace place = PlaceOnMonitors(SaturatedSum(own.x, shiftX), SaturatedSum(own.y, shiftY),
                                               rect.right - rect.left, rect.bottom - rect.top, workAreas);
    const POINT target{place.rescued ? SaturatedSum(place.left, -shiftX) : own.x,
                       place.rescued ? SaturatedSum(place.top, -shiftY) : own.y};
    m_ownPlace = own;
    m_rescued = place.rescued;
    if (target.x != now.x || target.y != now.y)
        ::SetWindowPos(Handle(), nullptr, target.x, target.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    FollowMonitorDpi();
}

void TStickForm::FollowMonitorDpi() {
    // Windows tells a top-level window of a change of resolution, not a desktop child, which takes that of
    // the monitor it stands on most.
    HWND parent = ::GetAncestor(Handle(), GA_PARENT);
    if (parent == nullptr || parent == ::GetDesktopWindow()) return;
    RECT rect{};
    ::GetWindowRect(Handle(), &rect);
    const int dpi = DpiOfRect(rect);
    if (dpi != m_painter.Dpi()) OnDpiChanged(dpi, nullptr);
}

void TStickForm::MakeVisible() {
    if (m_blocks.placement.opacity >= kFaintOpacity) return;
    m_blocks.placement.opacity = kOpaque;
    Present(kOpaque);
}

void TStickForm::ReportRecord(HWND target) {
    if (target == nullptr) return;
    const POINT place = StoredPlace();
    m_blocks.placement.left = place.x;
    m_blocks.placement.top = place.y;
    StickerRecord record = m_blocks;
    record.window = HandleValue(Handle());
    record.inUse = 0;
    record.reported = 0;
    record.unused1074[0] = record.unused1074[1] = 0;
    COPYDATASTRUCT data{};
    data.dwData = protocol::kRecordReportDwData;
    data.cbData = static_cast<DWORD>(kStickerRecordSize);
    data.lpData = &record;
    // The target is whoever posted the command: the controller (called directly, same thread) or another
    // program, whose window may never answer.
    (void)SendBounded(target, WM_COPYDATA, protocol::kCopyRecordReport, reinterpret_cast<LPARAM>(&data));
}

void TStickForm::SendSummary(HWND target, std::uint8_t index) {
    if (target == nullptr) return;
    RECT rect{};
    ::GetWindowRect(Handle(), &rect);
    const POINT place = Position();
    protocol::StickerSummary summary =
        MakeSummary(m_blocks, place.x, place.y, rect.right - rect.left, rect.bottom - rect.top, 0);
    summary.index = index;
    COPYDATASTRUCT data{};
    data.dwData = protocol::kSummaryDwData;
    data.cbData = static_cast<DWORD>(protocol::kStickerSummarySize);
    data.lpData = &summary;
    // Another program's window: a failed or late answer is dropped.
    (void)SendBounded(target, WM_COPYDATA, protocol::kCopySummary, reinterpret_cast<LPARAM>(&data));
}

LRESULT TStickForm::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (OnInteractionMessage(message, wParam, lParam, &result)) return result;
    switch (message) {
        case protocol::kStickerCommandMessage:
            OnStickerCommand(wParam, lParam);
            return 0;
        case WM_COPYDATA:
            return OnCopyData(wParam, reinterpret_cast<const COPYDATASTRUCT*>(lParam));
        case WM_USER:
            // lParam is a signed 32-bit number for the programs that send this.
            if (static_cast<std::int32_t>(lParam) >= static_cast<std::int32_t>(protocol::kSummaryRequestBase)) {
                SendSummary(HandleFromWParam(wParam), protocol::SummaryIndexByte(static_cast<std::uint32_t>(lParam)));
                return 0;
            }
            break;
        case WM_SETFOCUS:
            OnSetFocus();
            break;
        case WM_KILLFOCUS:
            OnKillFocus();
            break;
        case WM_WINDOWPOSCHANGING:
            OnWindowPosChanging(reinterpret_cast<WINDOWPOS*>(lParam));
            break;
        case WM_WINDOWPOSCHANGED:
            OnWindowPosChanged();
            break;
        case WM_DPICHANGED:
            OnDpiChanged(HIWORD(wParam), ResolutionMessagePointer<const RECT>(lParam, false));
            return 0;
        case kGetDpiScaledSizeMessage:
            if (SIZE* size = ResolutionMessagePointer<SIZE>(lParam, true);
                size != nullptr && m_painter.Composed().Bitmap() != nullptr) {
                *size = m_painter.SizeAt(m_blocks.placement, LOWORD(wParam));
                return TRUE;
            }
            return FALSE;
        case WM_EXITSIZEMOVE:
            // The user moved it: where it stands now is its own place.
            m_rescued = false;
            FollowMonitorDpi();
            PostSaveRequest();
            return 0;
        case WM_DESTROY:
            OnDestroy();
            break;
        case kCheckDesktopHostMessage:
            CheckDesktopHost();
            return 0;
        case kFitToMonitorsMessage:
            FitToMonitors(WorkAreas());
            return 0;
        case WM_MOUSEMOVE:
            if (!m_trackingMouse) {
                TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_LEAVE, Handle(), 0};
                m_trackingMouse = ::TrackMouseEvent(&track) != FALSE;
                OnMouseEnter();
            }
            break;
        case WM_MOUSELEAVE:
            m_trackingMouse = false;
            break;
        case WM_TIMER:
            if (wParam == kHideTimerId) {
                HideTick();
                return 0;
            }
            break;
        case WM_CLOSE:
            // A note ends only by its own delete (menu, close pin), which tells the controller first, or by
            // the controller's close command. Alt+F4, the system close and WM_CLOSE from another program
            // would end the window behind the controller's back and hold up every later save.
            return 0;
        default:
            break;
    }
    return DefaultHandler(message, wParam, lParam);
}

void TStickForm::OnStickerCommand(WPARAM wParam, LPARAM lParam) {
    const auto code = static_cast<std::uint32_t>(lParam);
    const auto value = static_cast<std::uint32_t>(wParam);
    const PlacementBlock& p = m_blocks.placement;
    switch (StoreStickerCommand(m_blocks, code, value)) {
        case StickerAction::kNone:
            return;
        case StickerAction::kApplyStoredLayer:
            ApplyLayer(p.layer);
            return;
        case StickerAction::kApplyTopmostLayer:
            ApplyLayer(0);
            return;
        case StickerAction::kBringIntoView:
            BringIntoView();
            return;
        case StickerAction::kMakeVisible:
            MakeVisible();
            return;
        case StickerAction::kSetHideDelay:
            SetHideDelay();
            return;
        case StickerAction::kEndRaise:
            m_raised = false;
            ApplyLayer(p.layer);
            return;
        case StickerAction::kRaise:
            m_raised = true;
            m_clickedSinceFocus = true;
            ApplyLayer(0);
            // Shown on top at once: the raise is how the tray's "Show" finds a sticker under other windows.
            ::SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
            return;
        case StickerAction::kRepaint:
            Repaint();
            return;
        case StickerAction::kRelayout:
            Relayout();
            return;
        case StickerAction::kReport:
            ReportRecord(HandleFromWParam(wParam));
            return;
        case StickerAction::kApplyLanguage:
            ApplyMenuCaptions();
            return;
        case StickerAction::kClose:
            // The object is gone once the window is: nothing may follow.
            FormClose();
            DestroyFormWindow();
            return;
    }
}

LRESULT TStickForm::OnCopyData(WPARAM kind, const COPYDATASTRUCT* data) {
    if (data == nullptr) return 0;
    // Only the declared cbData bytes are read, whatever the sender put there.
    return StoreStickerString(m_blocks, static_cast<std::uint32_t>(kind), data->lpData, data->cbData) ? 1 : 0;
}

void TStickForm::OnSetFocus() {
    if (m_applyingLayer) return;
    m_focused = true;
    Repaint();
}

void TStickForm::OnKillFocus() {
    if (m_applyingLayer) return;
    m_focused = false;
    m_clickedSinceFocus = false;
    if (m_raised) {
        ApplyLayer(m_blocks.placement.layer);
        m_raised = false;
    }
    if (!m_closing) Repaint();
}

void TStickForm::OnWindowPosChanging(WINDOWPOS* position) const {
    const PlacementBlock& p = m_blocks.placement;
    // A child of the desktop's host keeps its place above the icons; the rule is for a top-level window.
    if (position != nullptr && !m_raised && p.layer == 1 && p.parented == 0 &&
        (::GetWindowLongPtrW(Handle(), GWL_STYLE) & WS_CHILD) == 0)
        position->hwndInsertAfter = HWND_BOTTOM;
}

void TStickForm::OnWindowPosChanged() {
    if (!m_raised && m_blocks.placement.layer != 0) return;
    // Re-asserting topmost changes the position again; one level is enough.
    if (m_reassertingTopmost) return;
    // Already topmost with no window above it: the call would change nothing and cost a round of
    // position messages (under Wine a restacking on the X server).
    if ((::GetWindowLongPtrA(Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST) == 0 ||
        ::GetWindow(Handle(), GW_HWNDPREV) != nullptr) {
        m_reassertingTopmost = true;
        ::SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
        m_reassertingTopmost = false;
    }
    // Above all windows, but never above a dialog that shows while the sticker waits for it.
    KeepModalOnTop();
}

void TStickForm::OnMouseEnter() {
    if (m_blocks.placement.hideAtPointer == 0) return;
    if ((::GetKeyState(VK_SHIFT) & 0x8000) != 0 || m_hideTimerRunning) return;
    Present(0);
    StopHideTimer();
    StartHideTimer();
}

void TStickForm::HideTick() {
    StopHideTimer();
    POINT cursor{};
    ::GetCursorPos(&cursor);
    RECT rect{};
    ::GetWindowRect(Handle(), &rect);
    if (rect.left < cursor.x && cursor.x < rect.right && rect.top < cursor.y && cursor.y < rect.bottom) {
        StartHideTimer();
    } else {
        Present(m_blocks.placement.opacity);
    }
}

}  // namespace velpiners
