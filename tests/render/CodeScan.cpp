#include "CodeScan.h"

#include <zbar.h>

using namespace zbar;

QStringList scan(const QImage& picture)
{
    const QImage grey = picture.convertToFormat(QImage::Format_Grayscale8);
    QByteArray pixels;
    for (int y = 0; y < grey.height(); ++y)
        pixels.append(reinterpret_cast<const char*>(grey.constScanLine(y)), grey.width());
    zbar_image_scanner_t* scanner = zbar_image_scanner_create();
    zbar_image_scanner_set_config(scanner, ZBAR_NONE, ZBAR_CFG_ENABLE, 1);
    zbar_image_scanner_set_config(scanner, ZBAR_UPCA, ZBAR_CFG_ENABLE, 1);
    zbar_image_t* image = zbar_image_create();
    zbar_image_set_format(image, zbar_fourcc('Y', '8', '0', '0'));
    zbar_image_set_size(image, static_cast<unsigned>(grey.width()), static_cast<unsigned>(grey.height()));
    zbar_image_set_data(image, pixels.constData(), static_cast<unsigned long>(pixels.size()), nullptr);
    QStringList found;
    if (zbar_scan_image(scanner, image) > 0) {
        for (const zbar_symbol_t* s = zbar_image_first_symbol(image); s; s = zbar_symbol_next(s))
            found << QString::fromLatin1(zbar_get_symbol_name(zbar_symbol_get_type(s)))
                         + (zbar_symbol_get_modifiers(s) & (1 << ZBAR_MOD_GS1) ? "/GS1:" : ":")
                         + QString::fromUtf8(zbar_symbol_get_data(s));
    }
    zbar_image_destroy(image);
    zbar_image_scanner_destroy(scanner);
    return found;
}
