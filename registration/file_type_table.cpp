#include "registration/file_type_table.h"

#include <initializer_list>

namespace lumetra {
namespace {

// One extension of a row: the suffix defaults to the extension itself.
struct Ext {
    const wchar_t* extension;
    const wchar_t* suffix = nullptr;
};

constexpr bool kImage = true;
constexpr bool kOther = false;

constexpr IconSource kFile = IconSource::FileItself;
constexpr IconSource kIcon0 = IconSource::ProgramIcon0;
constexpr IconSource kAudio = IconSource::ProgramIcon8;
constexpr IconSource kVideo = IconSource::ProgramIcon9;

// A row whose extensions all share the row's icon source.
constexpr FileTypeEntry Row(const wchar_t* listText, const wchar_t* description, bool image,
                            IconSource icon, std::initializer_list<Ext> extensions) {
    FileTypeEntry row{listText, description, image, 0, {}};
    for (const Ext& ext : extensions) {
        row.extensions[row.extensionCount++] = {ext.extension, ext.suffix ? ext.suffix : ext.extension, icon};
    }
    return row;
}

}  // namespace

extern constexpr FileTypeEntry FileTypeTable[kFileTypeRowCount] = {
    Row(L"ANI", L"Animated Windows Cursors *", kImage, kFile, {{L"ani"}}),
    Row(L"B3D", L"BodyPaint 3D Format *", kImage, kIcon0, {{L"b3d"}}),
    Row(L"BMP/DIB", L"Windows Bitmap", kImage, kIcon0, {{L"bmp"}, {L"dib", L"bmp"}}),
    Row(L"CLP", L"Windows Clipboard *", kImage, kIcon0, {{L"clp"}}),
    Row(L"CRW/CR2/CR3", L"Canon RAW Format *", kImage, kIcon0, {{L"crw"}, {L"cr2"}, {L"cr3"}}),
    Row(L"CUR", L"Windows Cursor", kImage, kFile, {{L"cur"}}),
    Row(L"DCM/ACR/IMA", L"DICOM Format *", kImage, kIcon0, {{L"dcm"}, {L"acr", L"dcm"}, {L"ima", L"dcm"}}),
    Row(L"DCX", L"Multipage Zsoft Paintbrush", kImage, kIcon0, {{L"dcx"}}),
    Row(L"DDS", L"Direct Draw Surface *", kImage, kIcon0, {{L"dds"}}),
    Row(L"DJVU/IW44", L"DjVu Format *", kImage, kIcon0, {{L"djvu"}, {L"iw44", L"djvu"}}),
    Row(L"DXF", L"Drawing Interchange Format *", kImage, kIcon0, {{L"dxf"}}),
    Row(L"ECW", L"Enhanced Compressed Wavelet *", kImage, kIcon0, {{L"ecw"}}),
    Row(L"EMF", L"Enhanced Windows Metafile", kImage, kIcon0, {{L"emf"}}),
    Row(L"EPS/PS", L"PostScript Format *", kImage, kIcon0, {{L"eps"}, {L"ps", L"eps"}}),
    Row(L"EXR", L"EXR Format *", kImage, kIcon0, {{L"exr"}}),
    Row(L"G3", L"G3 FAX Format *", kImage, kIcon0, {{L"g3"}}),
    Row(L"GIF", L"Compuserve GIF", kImage, kIcon0, {{L"gif"}}),
    Row(L"HDP/JXR/WDP", L"JPEG-XR/HD-Photo Format *", kImage, kIcon0, {{L"hdp"}, {L"jxr", L"hdp"}, {L"wdp", L"hdp"}}),
    Row(L"HEIC", L"High Efficiency Image File Format *", kImage, kIcon0, {{L"heic"}}),
    Row(L"ICO", L"Windows Icon", kImage, kFile, {{L"ico"}}),
    Row(L"IFF/LBM", L"Amiga Interchange File Format *", kImage, kIcon0, {{L"iff"}, {L"lbm", L"iff"}}),
    Row(L"JLS", L"JPEG-LS Format *", kImage, kIcon0, {{L"jls"}}),
    Row(L"JP2/JPC/J2K", L"JPEG2000 Format *", kImage, kIcon0, {{L"jp2"}, {L"jpc", L"jp2"}, {L"j2k", L"jp2"}}),
    Row(L"JPG/JPEG/JFIF/JPE", L"JPEG Format", kImage, kIcon0,
        {{L"jpg"}, {L"jpeg", L"jpg"}, {L"jfif", L"jpg"}, {L"jpe", L"jpg"}}),
    Row(L"JPM", L"JPM Format *", kImage, kIcon0, {{L"jpm"}}),
    Row(L"JXL", L"JPEG XL Format *", kImage, kIcon0, {{L"jxl"}}),
    Row(L"MNG/JNG", L"Multiple Network Graphics *", kImage, kIcon0, {{L"mng"}, {L"jng"}}),
    Row(L"PBM", L"Portable Bitmap", kImage, kIcon0, {{L"pbm"}}),
    Row(L"PCD", L"Kodak Photo CD", kImage, kIcon0, {{L"pcd"}}),
    Row(L"PCX", L"Zsoft Paintbrush", kImage, kIcon0, {{L"pcx"}}),
    Row(L"PGM", L"Portable Greymap", kImage, kIcon0, {{L"pgm"}}),
    Row(L"PNG", L"Portable Network Graphics", kImage, kIcon0, {{L"png"}}),
    Row(L"PPM", L"Portable Pixelmap", kImage, kIcon0, {{L"ppm"}}),
    Row(L"PSD", L"Adobe Photoshop Image", kImage, kIcon0, {{L"psd"}}),
    Row(L"PSP", L"Paint Shop Pro Image *", kImage, kIcon0, {{L"psp"}}),
    Row(L"RAS/SUN", L"Sun Raster Format *", kImage, kIcon0, {{L"ras"}, {L"sun", L"ras"}}),
    Row(L"RAW", L"RAW Image Data *", kImage, kIcon0, {{L"raw"}}),
    Row(L"RLE", L"Utah RLE Format *", kImage, kIcon0, {{L"rle"}}),
    Row(L"SFF", L"Structured Fax Format *", kImage, kIcon0, {{L"sff"}}),
    Row(L"SGI/RGB", L"Silicon Graphics Image *", kImage, kIcon0, {{L"sgi"}, {L"rgb", L"sgi"}}),
    Row(L"SID", L"LizardTech MrSID Format *", kImage, kIcon0, {{L"sid"}}),
    Row(L"TGA", L"Truevision Targa", kImage, kIcon0, {{L"tga"}}),
    Row(L"TIF/TIFF", L"Tagged Image File Format", kImage, kIcon0, {{L"tif"}, {L"tiff", L"tif"}}),
    Row(L"WBMP", L"WAP Bitmap *", kImage, kIcon0, {{L"wbmp"}}),
    Row(L"WEBP", L"Weppy Format *", kImage, kIcon0, {{L"webp"}}),
    Row(L"WMF", L"Windows Metafile", kImage, kIcon0, {{L"wmf"}}),
    Row(L"XBM", L"X-Bitmap *", kImage, kIcon0, {{L"xbm"}}),
    Row(L"XPM", L"X-Pixmap *", kImage, kIcon0, {{L"xpm"}}),
    Row(L"SWF/FLV", L"Macromedia Flash Format *", kOther, kIcon0, {{L"swf"}, {L"flv"}}),
    Row(L"TTF", L"True Type Font Format *", kOther, kIcon0, {{L"ttf"}}),
    Row(L"ASF", L"Advanced Systems Format *", kOther, kVideo, {{L"asf"}}),
    Row(L"AVI", L"Video for Windows *", kOther, kVideo, {{L"avi"}}),
    Row(L"MPG/MPE/MPEG", L"MPEG Movie *", kOther, kVideo, {{L"mpg"}, {L"mpe"}, {L"mpeg", L"mpg"}}),
    Row(L"MOV", L"Apple QuickTime Movie *", kOther, kVideo, {{L"mov"}}),
    Row(L"WMV", L"Windows Media Video File *", kOther, kVideo, {{L"wmv"}}),
    Row(L"AIF", L"Audio Interchange Format *", kOther, kAudio, {{L"aif"}}),
    Row(L"MID/RMI", L"MIDI Sound Format *", kOther, kAudio, {{L"mid"}, {L"rmi"}}),
    Row(L"MP3", L"MPEG Audio Format *", kOther, kAudio, {{L"mp3"}}),
    Row(L"OGG", L"Ogg Vorbis Audio Format *", kOther, kAudio, {{L"ogg"}}),
    Row(L"AU/SND", L"SUN Audio Format *", kOther, kAudio, {{L"au"}, {L"snd", L"au"}}),
    Row(L"WAV", L"Windows Audio Format *", kOther, kAudio, {{L"wav"}}),
    Row(L"WMA", L"Windows Media Audio File *", kOther, kAudio, {{L"wma"}}),
};

namespace {

constexpr size_t CountExtensions() {
    size_t count = 0;
    for (const FileTypeEntry& row : FileTypeTable) count += row.extensionCount;
    return count;
}

constexpr bool EveryRowHasExtensions() {
    for (const FileTypeEntry& row : FileTypeTable) {
        if (row.extensionCount == 0) return false;
    }
    return true;
}

static_assert(EveryRowHasExtensions(), "every row of the file-type table registers an extension");
static_assert(CountExtensions() == kExtensionCount, "the file-type table registers 86 extensions");

}  // namespace

}  // namespace lumetra
