// Writes a picture of the exercise form's Windows window, as it opens, to the PNG file named on
// the command line. Made for Wine's null graphics driver, which paints windows into memory
// with no display; on Windows it works the same.

#include "win32_window/form1takt.h"
#include "win32_window/painted_picture.h"
#include "win32_window/startup.h"

#include <cstdio>

#include <windows.h>
#include <objbase.h>
#include <wincodec.h>

namespace {

// Encodes a 32-bit top-down picture as PNG through the Windows Imaging Component.
bool savePng(const wchar_t* file, int width, int height, const void* pixels) {
    IWICImagingFactory* factory = nullptr;
    IWICStream* stream = nullptr;
    IWICBitmapEncoder* encoder = nullptr;
    IWICBitmapFrameEncode* frame = nullptr;
    WICPixelFormatGUID format = GUID_WICPixelFormat32bppBGR;
    const UINT stride = static_cast<UINT>(width) * 4;
    const bool saved =
        SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                   IID_IWICImagingFactory, reinterpret_cast<void**>(&factory))) &&
        SUCCEEDED(factory->CreateStream(&stream)) &&
        SUCCEEDED(stream->InitializeFromFilename(file, GENERIC_WRITE)) &&
        SUCCEEDED(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, &encoder)) &&
        SUCCEEDED(encoder->Initialize(stream, WICBitmapEncoderNoCache)) &&
        SUCCEEDED(encoder->CreateNewFrame(&frame, nullptr)) &&
        SUCCEEDED(frame->Initialize(nullptr)) &&
        SUCCEEDED(frame->SetSize(static_cast<UINT>(width), static_cast<UINT>(height))) &&
        SUCCEEDED(frame->SetPixelFormat(&format)) &&
        SUCCEEDED(frame->WritePixels(static_cast<UINT>(height), stride,
                                     stride * static_cast<UINT>(height),
                                     static_cast<BYTE*>(const_cast<void*>(pixels)))) &&
        SUCCEEDED(frame->Commit()) && SUCCEEDED(encoder->Commit());
    for (IUnknown* done : std::initializer_list<IUnknown*>{frame, encoder, stream, factory}) {
        if (done != nullptr) {
            done->Release();
        }
    }
    return saved;
}

} // namespace

int wmain(int argc, wchar_t* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: window_screenshot PICTURE.png\n");
        return 2;
    }
    const win32_window::Startup startup;

    win32_window::Form1takt form(GetModuleHandleW(nullptr), {});
    ShowWindow(form.handle(), SW_SHOW);
    const win32_window::PaintedPicture picture = win32_window::paintedPicture(form.handle());
    const bool saved = savePng(argv[1], picture.width, picture.height, picture.pixels.data());
    if (!saved) {
        std::fprintf(stderr, "cannot write the picture\n");
        return 1;
    }
    return 0;
}
