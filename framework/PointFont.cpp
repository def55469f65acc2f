#include "framework/PointFont.h"

#include "framework/Gdi.h"
#include "framework/SjisText.h"

#include <cstdlib>
#include <cstring>

LONG PointFontHeight(int nTenths)
{
    CClientDC screen(nullptr);
    const int nDpi = screen != nullptr ? ::GetDeviceCaps(screen, LOGPIXELSY) : 96;
    // 720 tenths of a point to the inch. Truncated, not rounded, as fonts sized this way
    // always were: a 9-point face at 96 dpi is 12 pixels either way, 11 points is 14.
    return -std::labs(static_cast<long>(nDpi) * nTenths / 720);
}

HFONT CreatePointFontIndirect(const LOGFONTA& lf)
{
    LOGFONTA sized = lf;
    sized.lfHeight = PointFontHeight(lf.lfHeight);
    return ::CreateFontIndirectA(&sized);
}

void SetFaceName(LOGFONTA& lf, const std::string& strFace)
{
    const std::string strCut = CutAtCharBoundary(strFace, sizeof lf.lfFaceName - 1);
    std::memset(lf.lfFaceName, 0, sizeof lf.lfFaceName);
    std::memcpy(lf.lfFaceName, strCut.data(), strCut.size());
}

HFONT CreatePointFont(int nTenths, const std::string& strFace)
{
    LOGFONTA lf{};
    lf.lfHeight = nTenths;
    lf.lfCharSet = DEFAULT_CHARSET;
    SetFaceName(lf, strFace);
    return CreatePointFontIndirect(lf);
}
