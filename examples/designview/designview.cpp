// The design viewer: a host program that uses KavoApi.dll as the design
// programs do, through kavoapi.h and the import library.  It reads a design
// text (the sample beside it, or the file named on its command line) into a
// design record and lists its values in a two-band QLISTWND; the menu
// switches unit systems and languages (a language database made by langdb
// at build time) and everything shown follows.  Beside the list: the product
// picture in a QBMPWND and a panel of key values drawn as labels with raised
// and lowered parts.  A right click on the list opens a popup menu.
//
//   designview [DESIGN.txt] [--units NAME] [--language NAME] [--screenshot FILE.png]
//
// With --screenshot it lays itself out, waits until it is painted, saves a
// PNG of its whole window, prints the file's name and exits.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <cwchar>
#include <memory>
#include <string>
#include <vector>

#include "design_rows.h"
#include "kavoapi.h"
#include "screenshot.h"

namespace designview {
namespace {

const char *const kSystems[] = {"SI", "EURO", "EUROSPE", "NORDIC", "US"};
constexpr int kSystemCount = 5;
constexpr int kComparedSystem = 0; // the last value columns show SI
// Each language by the name it has in the database and in its own menu.
const char *const kLanguages[] = {"English", "Deutsch", "Suomi"};
constexpr int kLanguageCount = 3;

// Menu commands stay clear of the list window's callback codes (101 to 120,
// 999): a command that reaches the list is handed to its callback.
enum Command : UINT {
    kCmdOpen = 40001,
    kCmdExit,
    kCmdCopy,
    kCmdSortAscending,
    kCmdSortDescending,
    kCmdSystem = 40100,   // + system id
    kCmdLanguage = 40200, // + language index
};

enum Column : int { kColSection, kColQuantity, kColValue, kColUnit, kColComparedValue, kColComparedUnit };
constexpr int kPictureId = 100;
constexpr int kPanelWidth = 300, kPictureHeight = 190, kGap = 8;

// Named fonts of the module: cells' unit labels, the key value panel.
const char kCellFont[] = "DVCELL", kCellSmallFont[] = "DVCELLS";
const char kPanelFont[] = "DVMAIN", kPanelSmallFont[] = "DVSMALL", kPanelTitleFont[] = "DVTITLE";

// The viewer's one window; the list window's callback has no user pointer,
// so its state is the program's.
struct Viewer {
    HINSTANCE instance = nullptr;
    HWND main = nullptr, list = nullptr, panel = nullptr;
    std::string folder; // of the program, with the trailing backslash
    std::string design_file;
    std::vector<Row> rows;
    std::vector<int> order; // rows in the order shown
    int sort_column = -1;
    bool ascending = true;
    int language = 0;
};
Viewer viewer;

std::wstring text(int id)
{
    wchar_t buffer[200] = L"";
    qlg_copy_wsz(buffer, id, sizeof buffer);
    return buffer[0] ? buffer : L"#" + std::to_wstring(id);
}

std::wstring from_1252(const std::string &bytes)
{
    std::wstring wide(bytes.size(), L'\0');
    const int n = MultiByteToWideChar(1252, 0, bytes.data(), int(bytes.size()), &wide[0], int(wide.size()));
    wide.resize(std::max(n, 0));
    return wide;
}

// Shows values in another unit system for as long as it lives.
class SystemSwitch {
public:
    explicit SystemSwitch(int system) : saved_(unit_get_system()) { unit_set_system(kSystems[system]); }
    ~SystemSwitch() { unit_set_system(kSystems[saved_]); }
    SystemSwitch(const SystemSwitch &) = delete;
    SystemSwitch &operator=(const SystemSwitch &) = delete;

private:
    int saved_;
};

std::wstring value_text(const Row &row)
{
    if (!row.text.empty())
        return from_1252(row.text);
    wchar_t out[64] = L"";
    if (row.property == kNoUnit)
        std::swprintf(out, 64, L"%g", double(row.value));
    else
        unit_set_wsz(out, 64, row.property, row.value, 0);
    return out;
}

std::string unit_label(const Row &row)
{
    char label[22] = "";
    if (row.property != kNoUnit)
        unit_get_label(row.property, label);
    return label;
}

std::wstring cell_text(const Row &row, int column)
{
    switch (column) {
    case kColSection:
        return text(row.section);
    case kColQuantity:
        return text(row.quantity);
    case kColValue:
        return value_text(row);
    case kColUnit:
        return from_1252(unit_label(row));
    case kColComparedValue: {
        if (!row.text.empty())
            return L"";
        SystemSwitch compared(kComparedSystem);
        return value_text(row);
    }
    case kColComparedUnit: {
        SystemSwitch compared(kComparedSystem);
        return from_1252(unit_label(row));
    }
    }
    return L"";
}

// --- sorting ------------------------------------------------------------------

bool shown_before(int a, int b)
{
    const Row &x = viewer.rows[std::size_t(a)], &y = viewer.rows[std::size_t(b)];
    const int column = viewer.sort_column;
    if (column == kColValue || column == kColComparedValue) {
        if (x.text.empty() != y.text.empty())
            return x.text.empty(); // numbers first, texts after them either way
        if (x.text.empty()) // unit scales keep the order of base values
            return viewer.ascending ? x.value < y.value : y.value < x.value;
    }
    const std::wstring s = cell_text(x, column), t = cell_text(y, column);
    const int order = CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, s.c_str(), -1, t.c_str(), -1);
    return viewer.ascending ? order == CSTR_LESS_THAN : order == CSTR_GREATER_THAN;
}

void sort_rows()
{
    viewer.order.resize(viewer.rows.size());
    for (std::size_t i = 0; i < viewer.order.size(); ++i)
        viewer.order[i] = int(i);
    if (viewer.sort_column >= 0)
        std::stable_sort(viewer.order.begin(), viewer.order.end(), shown_before);
    if (viewer.list) {
        qlw_set_sort_column(viewer.list, viewer.sort_column, viewer.ascending);
        qlw_regen(viewer.list, 0);
    }
}

void sort_by(int column, bool ascending)
{
    viewer.sort_column = column;
    viewer.ascending = ascending;
    sort_rows();
}

// --- the list window's host side ------------------------------------------------

const Row *shown_row(int record)
{
    if (record < 0 || record >= int(viewer.order.size()))
        return nullptr;
    return &viewer.rows[std::size_t(viewer.order[std::size_t(record)])];
}

void copy_out(const std::wstring &from, void *data, std::size_t units)
{
    auto *out = static_cast<wchar_t *>(data);
    const std::size_t n = std::min(from.size(), units - 1);
    std::wmemcpy(out, from.c_str(), n);
    out[n] = L'\0';
}

// Unit labels carry the label markup (m@t2@@ for square metres), so their
// cells are drawn with the module's label painter.
void draw_unit_cell(const Row &row, int column, const qlw_owner_draw &cell)
{
    std::string label;
    if (column == kColComparedUnit) {
        SystemSwitch compared(kComparedSystem);
        label = unit_label(row);
    } else {
        label = unit_label(row);
    }
    HDC dc = static_cast<HDC>(cell.dc);
    IntersectClipRect(dc, cell.left, cell.top, cell.right, cell.bottom);
    SetBkMode(dc, TRANSPARENT);
    qa_drawlabelw(dc, cell.left + 3, cell.top - 1, label.c_str(), kCellFont, kCellSmallFont, TA_LEFT | TA_TOP);
}

// A hint only where the cell cuts its text.
bool cut_in_cell(HWND list, int record, int column, const std::wstring &content)
{
    RECT cell;
    if (content.empty() || qlw_get_cellrect(list, record, column, &cell) != 0)
        return false;
    HDC dc = GetDC(list);
    HGDIOBJ old = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    SIZE extent{};
    GetTextExtentPoint32W(dc, content.c_str(), int(content.size()), &extent);
    SelectObject(dc, old);
    ReleaseDC(list, dc);
    return extent.cx > cell.right - cell.left - 8; // the list's margins
}

void show_row_menu(int record, int column);

int32_t __cdecl list_callback(HWND list, int32_t code, int32_t record, int32_t column, void *data)
{
    const Row *row = shown_row(record);
    switch (code) {
    case QLW_GETNREC:
        return int32_t(viewer.order.size());
    case QLW_GETTEXT:
        if (row)
            copy_out(cell_text(*row, column), data, 200);
        return 0;
    case QLW_DRAWCELL:
        if (row)
            draw_unit_cell(*row, column, *static_cast<qlw_owner_draw *>(data));
        return 0;
    case QLW_GETHINT: {
        if (!row || column < 0)
            return 1;
        const std::wstring content = cell_text(*row, column);
        if (!cut_in_cell(list, record, column, content))
            return 1;
        copy_out(content, data, 2000);
        return 0;
    }
    case QLW_GETSEPLINE: { // a black line between sections while they stay together
        const Row *next = shown_row(record + 1);
        return row && next && next->section != row->section && viewer.sort_column <= kColSection ? 1 : 0;
    }
    case QLW_HDRCLICK:
        sort_by(column, !(viewer.sort_column == column && viewer.ascending));
        return 0;
    case QLW_RCLICK:
        show_row_menu(record, column);
        return 0;
    }
    return 0;
}

void define_columns(HWND list)
{
    // Groups first: each define call also writes the width and flags tables
    // at its own counter, and the subcolumns' entries must be the last.
    const std::wstring shown = text(kShownIn) + L" " + from_1252(kSystems[unit_get_system()]);
    const std::wstring compared = text(kComparedIn) + L" " + from_1252(kSystems[kComparedSystem]);
    qlw_init_column_wc(list, 0, text(kGroupItem).c_str(), L"", 0);
    qlw_init_column_wc(list, 0, shown.c_str(), L"", 0);
    qlw_init_column_wc(list, 0, compared.c_str(), L"", 0);
    struct Subcolumn {
        uint32_t width, group;
        Text title;
        uint32_t flags;
    };
    const Subcolumn subcolumns[] = {
        {12, 1, kSection, 0},          {20, 1, kQuantity, 0},
        {9, 2, kValue, 0},             {8, 2, kUnit, QLW_COL_OWNERDRAW},
        {9, 3, kValue, 0},             {8, 3, kUnit, QLW_COL_OWNERDRAW},
    };
    for (const Subcolumn &c : subcolumns)
        qlw_init_subcolumn_wc(list, c.width, c.group, text(c.title).c_str(), L"", c.flags);
}

RECT list_area()
{
    RECT r;
    GetClientRect(viewer.main, &r);
    return {kGap, kGap, std::max<LONG>(r.right - kPanelWidth - 2 * kGap, kGap + 1), r.bottom - kGap};
}

// Group texts name the unit system and the language, and a started list
// keeps its group texts, so a switch makes the list again; the current
// record and the sort stay.
void make_list()
{
    const int current = viewer.list ? qlw_get_current_rec(viewer.list) : 0;
    const RECT r = list_area();
    HWND list = qlw_init_wc(viewer.main, r.left, r.top, r.right - r.left, r.bottom - r.top, list_callback,
                            QLW_TWOBANDS);
    if (!list)
        return;
    define_columns(list);
    qlw_set_sort_column(list, viewer.sort_column, viewer.ascending);
    qlw_start(list);
    qlw_set_current_rec(list, std::max(current, 0));
    if (viewer.list)
        DestroyWindow(viewer.list);
    viewer.list = list;
}

// --- the key value panel -----------------------------------------------------------

struct KeyValue {
    Text quantity;
    const char *symbol; // label markup
};
const KeyValue kPanelValues[] = {
    {kCoolingCapacity, "P@bc@@"}, {kHeatingCapacity, "P@bh@@"}, {kSummerAirFlow, "q@bv@@"},
    {kFloorArea, "A@bf@@"},       {kPressureDrop, "@dp"},      {kSoundPressure, "L@bp@@A"},
};

const Row *row_of(Text quantity)
{
    for (const Row &row : viewer.rows)
        if (row.quantity == quantity)
            return &row;
    return nullptr;
}

void paint_panel(HDC dc, const RECT &area)
{
    FillRect(dc, &area, GetSysColorBrush(COLOR_WINDOW));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    qapen_select(dc, "DVPEN");
    qafont_select(dc, kPanelTitleFont);
    const std::wstring title = text(kKeyValues);
    TextOutW(dc, 10, 8, title.c_str(), int(title.size()));
    int y = 36;
    for (const KeyValue &key : kPanelValues) {
        const Row *row = row_of(key.quantity);
        if (!row)
            continue;
        qa_drawlabelw(dc, 10, y, key.symbol, kPanelFont, kPanelSmallFont, TA_LEFT | TA_TOP);
        qafont_select(dc, kPanelFont);
        const std::wstring name = text(key.quantity), value = value_text(*row);
        TextOutW(dc, 62, y, name.c_str(), int(name.size()));
        SetTextAlign(dc, TA_RIGHT | TA_TOP);
        TextOutW(dc, 220, y + 20, value.c_str(), int(value.size()));
        qa_drawlabelw(dc, 226, y + 20, unit_label(*row).c_str(), kPanelFont, kPanelSmallFont, TA_LEFT | TA_TOP);
        y += 46;
    }
}

// Painted off screen and copied once, so that a switch does not flicker.
LRESULT CALLBACK panel_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(window, &ps);
        RECT area;
        GetClientRect(window, &area);
        HDC memory = CreateCompatibleDC(dc);
        HBITMAP picture = CreateCompatibleBitmap(dc, area.right, area.bottom);
        HGDIOBJ old = SelectObject(memory, picture);
        const int saved = SaveDC(memory);
        paint_panel(memory, area);
        RestoreDC(memory, saved);
        BitBlt(dc, 0, 0, area.right, area.bottom, memory, 0, 0, SRCCOPY);
        SelectObject(memory, old);
        DeleteObject(picture);
        DeleteDC(memory);
        EndPaint(window, &ps);
        return 0;
    }
    }
    return DefWindowProcW(window, message, wparam, lparam);
}

// --- menus ---------------------------------------------------------------------------

HMENU system_menu()
{
    HMENU menu = CreatePopupMenu();
    for (int s = 0; s < kSystemCount; ++s)
        AppendMenuA(menu, MF_STRING, kCmdSystem + UINT(s), kSystems[s]);
    CheckMenuRadioItem(menu, kCmdSystem, kCmdSystem + kSystemCount - 1, kCmdSystem + UINT(unit_get_system()),
                       MF_BYCOMMAND);
    return menu;
}

void make_menu_bar()
{
    HMENU bar = CreateMenu(), file = CreatePopupMenu(), languages = CreatePopupMenu();
    qa_popup_add_wsz(file, kMenuOpen, kCmdOpen, 1, "&Open design...");
    AppendMenuW(file, MF_SEPARATOR, 0, nullptr);
    qa_popup_add_wsz(file, kMenuExit, kCmdExit, 1, "E&xit");
    for (int l = 0; l < kLanguageCount; ++l)
        AppendMenuA(languages, MF_STRING, kCmdLanguage + UINT(l), kLanguages[l]);
    CheckMenuRadioItem(languages, kCmdLanguage, kCmdLanguage + kLanguageCount - 1,
                       kCmdLanguage + UINT(viewer.language), MF_BYCOMMAND);
    qa_popup_add_submenu_wsz(bar, kMenuFile, UINT(reinterpret_cast<UINT_PTR>(file)), 1, "&File");
    qa_popup_add_submenu_wsz(bar, kMenuUnits, UINT(reinterpret_cast<UINT_PTR>(system_menu())), 1, "&Units");
    qa_popup_add_submenu_wsz(bar, kMenuLanguage, UINT(reinterpret_cast<UINT_PTR>(languages)), 1, "&Language");
    HMENU old = GetMenu(viewer.main);
    SetMenu(viewer.main, bar);
    if (old)
        DestroyMenu(old);
}

void copy_to_clipboard(const std::wstring &content)
{
    if (!OpenClipboard(viewer.main))
        return;
    EmptyClipboard();
    const std::size_t bytes = (content.size() + 1) * sizeof(wchar_t);
    if (HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes)) {
        std::memcpy(GlobalLock(block), content.c_str(), bytes);
        GlobalUnlock(block);
        if (!SetClipboardData(CF_UNICODETEXT, block))
            GlobalFree(block);
    }
    CloseClipboard();
}

void on_command(UINT command);

void show_row_menu(int record, int column)
{
    const Row *row = shown_row(record);
    if (!row)
        return;
    HMENU menu = CreatePopupMenu();
    qa_popup_add_wsz(menu, kCopyValue, kCmdCopy, 1, "&Copy value");
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    qa_popup_add_wsz(menu, kSortAscending, kCmdSortAscending, 1, "Sort &ascending");
    qa_popup_add_wsz(menu, kSortDescending, kCmdSortDescending, 1, "Sort &descending");
    qa_popup_add_submenu_wsz(menu, kUnitSystem, UINT(reinterpret_cast<UINT_PTR>(system_menu())), 1,
                             "&Unit system");
    POINT at;
    GetCursorPos(&at);
    const UINT chosen = UINT(TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, viewer.main,
                                            nullptr));
    DestroyMenu(menu);
    if (chosen == kCmdCopy)
        copy_to_clipboard(cell_text(*row, column == kColUnit || column == kColComparedUnit ? column - 1 : column));
    else if (chosen == kCmdSortAscending || chosen == kCmdSortDescending)
        sort_by(column, chosen == kCmdSortAscending);
    else if (chosen)
        on_command(chosen);
}

// --- the design --------------------------------------------------------------------

bool read_text_file(const std::string &name, std::string &out)
{
    FILE *f = std::fopen(name.c_str(), "rb");
    if (!f)
        return false;
    char chunk[4096];
    out.clear();
    for (std::size_t n; (n = std::fread(chunk, 1, sizeof chunk, f)) > 0;)
        out.append(chunk, n);
    std::fclose(f);
    while (!out.empty() && (out.back() == '\n' || out.back() == '\r'))
        out.pop_back();
    return true;
}

void show_title()
{
    const std::size_t slash = viewer.design_file.find_last_of("\\/");
    const std::wstring title = text(kTitle) + L" - " + from_1252(viewer.design_file.substr(slash + 1));
    SetWindowTextW(viewer.main, title.c_str());
}

bool open_design(const std::string &file)
{
    std::string content;
    if (!read_text_file(file, content))
        return false;
    auto design = std::make_unique<designdata>();
    std::memset(design.get(), 0, sizeof *design);
    std::strcpy(design->design_id, "viewer");
    qa_varbuf_read_designdata(design.get(), content.c_str());
    viewer.rows = design_rows(*design);
    viewer.design_file = file;
    sort_rows();
    return true;
}

// Everything shown follows a switch of units or language.
void show_all_again()
{
    make_menu_bar();
    show_title();
    make_list();
    InvalidateRect(viewer.panel, nullptr, FALSE);
}

void on_command(UINT command)
{
    if (command == kCmdExit) {
        DestroyWindow(viewer.main);
    } else if (command == kCmdOpen) {
        char folder[MAX_PATH] = "", file[MAX_PATH] = "";
        std::strcpy(folder, viewer.folder.c_str());
        if (qa_openfile_dlg(viewer.main, L"Design texts|*.txt|All files|*.*|", folder, file, MAX_PATH, nullptr) == 0 &&
            open_design(file))
            show_all_again();
    } else if (command >= kCmdSystem && command < kCmdSystem + kSystemCount) {
        unit_set_system(kSystems[command - kCmdSystem]);
        show_all_again();
    } else if (command >= kCmdLanguage && command < kCmdLanguage + kLanguageCount) {
        viewer.language = int(command - kCmdLanguage);
        qlg_set_language(kLanguages[viewer.language]);
        show_all_again();
    }
}

void lay_out()
{
    const RECT list = list_area();
    RECT client;
    GetClientRect(viewer.main, &client);
    const int x = list.right + kGap, width = client.right - x - kGap;
    if (viewer.list)
        MoveWindow(viewer.list, list.left, list.top, list.right - list.left, list.bottom - list.top, TRUE);
    MoveWindow(GetDlgItem(viewer.main, kPictureId), x, kGap, width, kPictureHeight, TRUE);
    MoveWindow(viewer.panel, x, 2 * kGap + kPictureHeight, width, client.bottom - 3 * kGap - kPictureHeight, TRUE);
}

LRESULT CALLBACK main_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    switch (message) {
    case WM_COMMAND:
        on_command(LOWORD(wparam));
        return 0;
    case WM_SIZE:
        lay_out();
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wparam, lparam);
}

// --- start ---------------------------------------------------------------------------

void define_fonts()
{
    qafont_check(kCellFont, "Tahoma", "", 13, 0, 0, 0, 0, 0);
    qafont_check(kCellSmallFont, "Tahoma", "", 9, 0, 0, 0, 0, 0);
    qafont_check(kPanelFont, "Arial", "", 15, 0, 0, 0, 0, 0);
    qafont_check(kPanelSmallFont, "Arial", "", 11, 0, 0, 0, 0, 0);
    qafont_check(kPanelTitleFont, "Arial", "B", 20, 0, 0, 0x20, 0x40, 0x70);
    qapen_check("DVPEN", PS_SOLID, 1, 0, 0, 0);
}

bool make_windows()
{
    WNDCLASSW main_class{};
    main_class.lpfnWndProc = main_procedure;
    main_class.hInstance = viewer.instance;
    main_class.hCursor = LoadCursor(nullptr, IDC_ARROW);
    main_class.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    main_class.lpszClassName = L"KavoDesignViewer";
    WNDCLASSW panel_class = main_class;
    panel_class.lpfnWndProc = panel_procedure;
    panel_class.hbrBackground = nullptr;
    panel_class.lpszClassName = L"KavoKeyValues";
    if (!RegisterClassW(&main_class) || !RegisterClassW(&panel_class))
        return false;
    gdi_bmpw_registerclass(viewer.instance);

    RECT frame = {0, 0, 1040, 600};
    AdjustWindowRect(&frame, WS_OVERLAPPEDWINDOW, TRUE);
    viewer.main = CreateWindowExW(0, main_class.lpszClassName, L"", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, 0,
                                  frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr,
                                  viewer.instance, nullptr);
    if (!viewer.main)
        return false;
    HWND picture = CreateWindowExW(WS_EX_CLIENTEDGE, L"QBMPWND", L"", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10,
                                   viewer.main, reinterpret_cast<HMENU>(INT_PTR(kPictureId)), viewer.instance,
                                   nullptr);
    viewer.panel = CreateWindowExW(WS_EX_CLIENTEDGE, panel_class.lpszClassName, L"", WS_CHILD | WS_VISIBLE, 0, 0,
                                   10, 10, viewer.main, nullptr, viewer.instance, nullptr);
    if (!picture || !viewer.panel)
        return false;
    gdi_bmpctrl_set_white_bkg(viewer.main, kPictureId);
    gdi_bmpctrl_setbmp(viewer.main, kPictureId, (viewer.folder + "designview_product.gif").c_str(), 1);
    return true;
}

std::string program_folder()
{
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length);
    return folder.substr(0, folder.find_last_of("\\/") + 1);
}

// For the picture: the mouse rests on the first cell that cuts its text,
// long enough for the list to show its hint.
void point_at_cut_cell()
{
    for (int record = 0; record < int(viewer.order.size()); ++record) {
        if (!cut_in_cell(viewer.list, record, kColValue, cell_text(*shown_row(record), kColValue)))
            continue;
        RECT cell;
        qlw_get_cellrect(viewer.list, record, kColValue, &cell);
        POINT at = {(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2};
        ClientToScreen(viewer.list, &at);
        SetCursorPos(at.x, at.y);
        for (DWORD start = GetTickCount(); GetTickCount() - start < 1500;) {
            MSG msg;
            while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
                DispatchMessageW(&msg);
            Sleep(20);
        }
        return;
    }
}

struct Options {
    std::string design, units, language;
    std::wstring screenshot;
};

bool parse_options(int argc, wchar_t **argv, Options &options)
{
    for (int i = 1; i < argc; ++i) {
        const std::wstring arg = argv[i];
        const bool has_value = i + 1 < argc;
        std::string value;
        if (has_value) {
            char bytes[MAX_PATH] = "";
            WideCharToMultiByte(CP_ACP, 0, argv[i + 1], -1, bytes, MAX_PATH, nullptr, nullptr);
            value = bytes;
        }
        if (arg == L"--screenshot" && has_value)
            options.screenshot = argv[++i];
        else if (arg == L"--units" && has_value)
            options.units = value, ++i;
        else if (arg == L"--language" && has_value)
            options.language = value, ++i;
        else if (arg.rfind(L"--", 0) == 0)
            return false;
        else {
            char bytes[MAX_PATH] = "";
            WideCharToMultiByte(CP_ACP, 0, argv[i], -1, bytes, MAX_PATH, nullptr, nullptr);
            options.design = bytes;
        }
    }
    return true;
}

int run(int argc, wchar_t **argv)
{
    viewer.instance = GetModuleHandleW(nullptr);
    viewer.folder = program_folder();
    Options options;
    if (!parse_options(argc, argv, options)) {
        std::fprintf(stderr,
                     "usage: designview [DESIGN.txt] [--units NAME] [--language NAME] [--screenshot FILE.png]\n");
        return 2;
    }
    const std::string folder = viewer.folder.substr(0, viewer.folder.size() - 1);
    qa_init_paths("Kavo design viewer", folder.c_str(), folder.c_str(), folder.c_str(),
                  (viewer.folder + "designview.ini").c_str());
    if (qlg_init((viewer.folder + "designview.dat").c_str(), (viewer.folder + "designview.idx").c_str()) != 0)
        return 1;
    if (!options.units.empty())
        unit_set_system(options.units.c_str());
    for (int l = 0; l < kLanguageCount; ++l)
        if (lstrcmpiA(options.language.c_str(), kLanguages[l]) == 0)
            viewer.language = l;
    qlg_set_language(kLanguages[viewer.language]);
    define_fonts();

    const std::string design = options.design.empty() ? viewer.folder + "sample_design.txt" : options.design;
    if (!make_windows() || !open_design(design)) {
        std::fprintf(stderr, "designview: cannot open %s\n", design.c_str());
        return 1;
    }
    show_all_again();
    lay_out();
    ShowWindow(viewer.main, SW_SHOWNORMAL);
    UpdateWindow(viewer.main);

    if (!options.screenshot.empty()) {
        point_at_cut_cell();
        const bool saved = save_window_png(viewer.main, options.screenshot.c_str());
        std::printf(saved ? "design viewer picture: %ls\n" : "designview: cannot save %ls\n",
                    options.screenshot.c_str());
        std::fflush(stdout);
        DestroyWindow(viewer.main);
        return saved ? 0 : 1;
    }
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}

} // namespace
} // namespace designview

int main()
{
    int argc = 0;
    wchar_t **argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    const int status = designview::run(argc, argv);
    LocalFree(argv);
    qlg_release();
    return status;
}
