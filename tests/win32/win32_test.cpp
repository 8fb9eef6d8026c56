#include <windows.h>

#include <commctrl.h>

#include <shlobj.h>

#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "res/templates/dialog_templates.h"
#include "win32/dropped_files.h"
#include "win32/file_data_object.h"
#include "win32/image_text_button.h"
#include "win32/memory_template.h"
#include "win32/win32_system_dialogs.h"

namespace skinwright::win32 {
namespace {

INT_PTR CALLBACK Unhandled(HWND, UINT, WPARAM, LPARAM)
{
    return FALSE;
}

std::wstring ClassOf(HWND window)
{
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

const wchar_t* ClassFor(templates::ControlKind kind)
{
    switch (kind) {
    case templates::ControlKind::Edit:
        return L"Edit";
    case templates::ControlKind::ListView:
        return WC_LISTVIEWW;
    case templates::ControlKind::PushButton:
    case templates::ControlKind::DefaultPushButton:
    case templates::ControlKind::OwnerDrawButton:
        return L"Button";
    default:
        return L"Static";
    }
}

// Each control of each window where its template puts it, in dialog units
// of the template's font, of the kind it names, in tab order.
TEST(MemoryTemplate, MakesEveryControlOfEachWindowInItsPlace)
{
    const INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    for (const templates::DialogTemplate* dialog :
         {&templates::AboutTemplate(), &templates::ViewerTemplate(), &templates::BuilderTemplate()}) {
        const MemoryTemplate memory(*dialog);
        const HWND window = CreateDialogIndirectParamW(GetModuleHandleW(nullptr), memory.Get(), nullptr, &Unhandled, 0);
        ASSERT_NE(window, nullptr) << dialog->title;
        HWND child = GetWindow(window, GW_CHILD);
        for (const templates::ControlTemplate& control : dialog->controls) {
            ASSERT_NE(child, nullptr) << dialog->title << ": " << control.text;
            if (control.id != templates::kNoId) {
                EXPECT_EQ(GetDlgCtrlID(child), control.id) << control.text;
            }
            EXPECT_EQ(ClassOf(child), ClassFor(control.kind)) << control.id;
            // Windows turns a place and a size into pixels each on its own.
            RECT expected = {control.x, control.y, control.width, control.height};
            MapDialogRect(window, &expected);
            RECT placed = {};
            GetWindowRect(child, &placed);
            MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&placed), 2);
            EXPECT_EQ(placed.left, expected.left) << dialog->title << " control " << control.id;
            EXPECT_EQ(placed.top, expected.top) << dialog->title << " control " << control.id;
            // A static icon takes the icon's size.
            if (control.kind != templates::ControlKind::Icon) {
                EXPECT_EQ(placed.right - placed.left, expected.right) << dialog->title << " control " << control.id;
                EXPECT_EQ(placed.bottom - placed.top, expected.bottom) << dialog->title << " control " << control.id;
            }
            child = GetWindow(child, GW_HWNDNEXT);
        }
        EXPECT_EQ(child, nullptr) << dialog->title;
        DestroyWindow(window);
    }
}

TEST(CommonDialogs, FiltersAndChosenFilesInTheirFormat)
{
    EXPECT_EQ(CommonDialogFilter("GIF File(*.gif)|*.gif|"), std::wstring(L"GIF File(*.gif)\0*.gif\0\0\0", 24));

    const struct {
        std::wstring buffer;
        bool multiSelect;
        std::vector<std::filesystem::path> files;
    } cases[] = {
        {std::wstring(L"C:\\themes\\back.gif\0", 19), true, {L"C:\\themes\\back.gif"}},
        {std::wstring(L"C:\\themes\0a.gif\0b.gif\0", 22), true, {L"C:\\themes\\a.gif", L"C:\\themes\\b.gif"}},
        {std::wstring(L"\0", 1), true, {}},
        // A name typed shorter than the one proposed leaves the end of that behind.
        {std::wstring(L"C:\\a.gif\0\\back.gif\0", 19), false, {L"C:\\a.gif"}},
    };
    for (const auto& c : cases) {
        std::wstring buffer = c.buffer + L'\0';
        EXPECT_EQ(ChosenFiles(buffer.c_str(), c.multiSelect), c.files);
    }
}

// A bitmap of one row of pixels.
HBITMAP RowOf(std::initializer_list<COLORREF> colours)
{
    const HDC screen = GetDC(nullptr);
    const HBITMAP bitmap = CreateCompatibleBitmap(screen, static_cast<int>(colours.size()), 1);
    const HDC context = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    const HGDIOBJ old = SelectObject(context, bitmap);
    int x = 0;
    for (COLORREF colour : colours)
        SetPixel(context, x++, 0, colour);
    SelectObject(context, old);
    DeleteDC(context);
    return bitmap;
}

std::vector<COLORREF> PixelsOf(HBITMAP bitmap, int width)
{
    const HDC context = CreateCompatibleDC(nullptr);
    const HGDIOBJ old = SelectObject(context, bitmap);
    std::vector<COLORREF> pixels;
    for (int x = 0; x < width; ++x)
        pixels.push_back(GetPixel(context, x, 0));
    SelectObject(context, old);
    DeleteDC(context);
    return pixels;
}

TEST(ButtonPictures, TheBottomLeftColourIsLeftOutAndTheDisabledPictureHasThreeColours)
{
    const COLORREF red = RGB(255, 0, 0), blue = RGB(0, 0, 255), green = RGB(0, 128, 0);
    const COLORREF white = RGB(255, 255, 255), black = RGB(0, 0, 0);
    const HBITMAP picture = RowOf({red, blue, white, black, red});

    const HBITMAP target = RowOf({green, green, green, green, green});
    const HDC context = CreateCompatibleDC(nullptr);
    const HGDIOBJ old = SelectObject(context, target);
    DrawTransparent(context, 0, 0, picture);
    SelectObject(context, old);
    DeleteDC(context);
    EXPECT_EQ(PixelsOf(target, 5), (std::vector<COLORREF>{green, blue, white, black, green}));

    // Blue (255) and black (0) are not above the average of 340, white is.
    const HBITMAP disabled = MakeDisabledImage(picture);
    const COLORREF face = GetSysColor(COLOR_BTNFACE), light = GetSysColor(COLOR_BTNHIGHLIGHT);
    EXPECT_EQ(PixelsOf(disabled, 5), (std::vector<COLORREF>{face, light, GetSysColor(COLOR_BTNSHADOW), light, face}));
    for (HBITMAP bitmap : {picture, target, disabled})
        DeleteObject(bitmap);
}

// A CF_HDROP block as a drop hands it over: a DROPFILES header naming the
// offset of the names and their kind, the bytes `before` the names, then
// the names' bytes.
std::vector<std::byte> DropBlock(DWORD offset, bool wide, const std::string& before, const void* names,
                                 std::size_t size)
{
    DROPFILES header = {};
    header.pFiles = offset;
    header.fWide = wide ? TRUE : FALSE;
    std::vector<std::byte> block(sizeof header + before.size() + size);
    std::memcpy(block.data(), &header, sizeof header);
    std::memcpy(block.data() + sizeof header, before.data(), before.size());
    std::memcpy(block.data() + sizeof header + before.size(), names, size);
    return block;
}

std::vector<std::byte> WideDrop(const std::wstring& names, DWORD offset = sizeof(DROPFILES),
                                const std::string& before = "")
{
    return DropBlock(offset, true, before, names.data(), names.size() * sizeof(wchar_t));
}

std::vector<std::byte> AnsiDrop(const std::string& names)
{
    return DropBlock(sizeof(DROPFILES), false, "", names.data(), names.size());
}

// Whatever a drop hands over, only the names wholly inside its block come
// out, and nothing past the block is read.
TEST(DroppedFiles, OnlyNamesWhollyInsideTheBlockAreRead)
{
    using namespace std::string_literals;
    const DroppedFiles both = {L"C:\\a.gif", L"C:\\b.gif"};
    const DroppedFiles first = {L"C:\\a.gif"};
    std::vector<std::byte> halfCharacter = WideDrop(L"C:\\a.gif\0C:\\b"s);
    halfCharacter.push_back(std::byte{'g'});
    const struct {
        const char* what;
        std::vector<std::byte> block;
        DroppedFiles files;
    } cases[] = {
        {"wide names", WideDrop(L"C:\\a.gif\0C:\\b.gif\0\0"s), both},
        {"ANSI names", AnsiDrop("C:\\a.gif\0C:\\b.gif\0\0"s), both},
        {"names further on than the header's end", WideDrop(L"C:\\a.gif\0\0"s, sizeof(DROPFILES) + 4, "junk"), first},
        {"wide names at an odd offset", WideDrop(L"C:\\a.gif\0\0"s, sizeof(DROPFILES) + 1, "j"), first},
        {"a block shorter than its header", std::vector<std::byte>(sizeof(DROPFILES) - 1), {}},
        {"an offset past the block", WideDrop(L"C:\\a.gif\0\0"s, 4096), {}},
        {"an offset at the block's end", WideDrop(L""s, sizeof(DROPFILES)), {}},
        {"an offset inside the header", WideDrop(L"C:\\a.gif\0\0"s, 4), {}},
        {"the largest offset", WideDrop(L"C:\\a.gif\0\0"s, 0xFFFFFFFF), {}},
        {"a last name without its NUL", WideDrop(L"C:\\a.gif\0C:\\b.gif"s), first},
        {"a list without its empty name", WideDrop(L"C:\\a.gif\0C:\\b.gif\0"s), both},
        {"half a wide character at the end", halfCharacter, first},
        {"an ANSI name without its NUL", AnsiDrop("C:\\a.gif"s), {}},
        {"an empty list", WideDrop(L"\0\0"s), {}},
        {"names after the empty name", WideDrop(L"\0C:\\a.gif\0\0"s), {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FilesInDropBlock(c.block.data(), c.block.size()), c.files) << c.what;
}

HGLOBAL GlobalCopy(const std::vector<std::byte>& block)
{
    const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, block.size());
    std::memcpy(GlobalLock(memory), block.data(), block.size());
    GlobalUnlock(memory);
    return memory;
}

// The medium of a drop is read within its own size.
TEST(DroppedFiles, AGlobalBlockIsReadWithinItsSize)
{
    using namespace std::string_literals;
    const HGLOBAL whole = GlobalCopy(WideDrop(L"C:\\a.gif\0C:\\b.gif\0\0"s));
    EXPECT_EQ(FilesInDrop(whole), (DroppedFiles{L"C:\\a.gif", L"C:\\b.gif"}));
    const HGLOBAL cut = GlobalCopy(WideDrop(L"C:\\a.gif"s));
    EXPECT_EQ(FilesInDrop(cut), DroppedFiles());
    for (HGLOBAL memory : {whole, cut})
        GlobalFree(memory);
    EXPECT_EQ(FilesInDrop(nullptr), DroppedFiles());
}

// A row dragged out of the Viewer names its picture as the shell's drags
// name files, in a block of its own for each receiver, which frees it.
TEST(DraggedFile, EachGetDataHandsOverABlockNamingTheFile)
{
    const std::filesystem::path file = L"C:\\users\\\u00e9t\u00e9\\back.gif";
    IDataObject* data = MakeFileDataObject(file);
    ASSERT_NE(data, nullptr);
    FORMATETC format = {CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    EXPECT_EQ(data->QueryGetData(&format), S_OK);
    STGMEDIUM first = {};
    STGMEDIUM second = {};
    ASSERT_EQ(data->GetData(&format, &first), S_OK);
    ASSERT_EQ(data->GetData(&format, &second), S_OK);
    EXPECT_EQ(first.tymed, static_cast<DWORD>(TYMED_HGLOBAL));
    EXPECT_NE(first.hGlobal, second.hGlobal);
    EXPECT_EQ(first.pUnkForRelease, nullptr);
    EXPECT_EQ(FilesInDrop(first.hGlobal), DroppedFiles{file});
    ReleaseStgMedium(&first);
    EXPECT_EQ(FilesInDrop(second.hGlobal), DroppedFiles{file});
    ReleaseStgMedium(&second);

    IEnumFORMATETC* formats = nullptr;
    ASSERT_EQ(data->EnumFormatEtc(DATADIR_GET, &formats), S_OK);
    FORMATETC offered[2] = {};
    ULONG count = 0;
    formats->Next(2, offered, &count);
    formats->Release();
    ASSERT_EQ(count, 1u);
    EXPECT_EQ(offered[0].cfFormat, CF_HDROP);
    EXPECT_EQ(offered[0].tymed, static_cast<DWORD>(TYMED_HGLOBAL));

    FORMATETC text = {CF_UNICODETEXT, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    STGMEDIUM refused = {};
    EXPECT_EQ(data->QueryGetData(&text), DV_E_FORMATETC);
    EXPECT_EQ(data->GetData(&text, &refused), DV_E_FORMATETC);
    EXPECT_EQ(data->Release(), 0u);
}

}  // namespace
}  // namespace skinwright::win32
