#include "core/win/PointFont.h"

#include "core/win/Scoped.h"

int PointsToPixels(int points, UINT dpi) { return MulDiv(points, static_cast<int>(dpi), 72); }

HFONT CreatePointFont(const std::string& face, int points, UINT dpi) {
    return CreateFontA(-PointsToPixels(points, dpi), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                       face.c_str());
}

HFONT CreateDialogFont(UINT dpi) { return CreatePointFont("MS Shell Dlg", 8, dpi); }

SIZE MeasureText(HFONT font, const std::string& text) {
    const WindowDC screen;
    const SelectedObject selected(screen.get(), font);
    SIZE size{};
    GetTextExtentPoint32A(screen.get(), text.c_str(), static_cast<int>(text.size()), &size);
    TEXTMETRICA metrics{};
    GetTextMetricsA(screen.get(), &metrics);
    size.cy = metrics.tmHeight;
    return size;
}
