// format_plugin.r: the property list of a file-format plug-in.
//
// The plug-in reads and writes "Sample" images (type 'SMPL', creator 'smpc',
// extension .SMP) in bitmap, grayscale and RGB modes, up to 32767 pixels on a
// side, with one channel in bitmap mode and up to 24 in the others.
//
// Convert it, in the folder that holds it, with:
//     VorlTool format_plugin.r format_plugin.rc
// That folder is share/doc/vorltool/examples where VorlTool is installed
// (/usr/share/doc/vorltool/examples from the .deb), doc\examples in the zip,
// and examples in the sources.

resource 'Vorl' (16001) {
    {
        Kind { ImageFormat },
        Name { "Sample Format" },
        FmtFileType { 'SMPL', 'smpc' },
        ReadTypes { { 'SMPL', 'smpc' } },
        ReadExtensions { { 'SMP ' } },
        SupportedModes { doesSupportBitmap, doesSupportGrayScale, doesSupportRGBColor },
        FormatFlags { fmtCanRead, fmtCanWrite },
        FormatMaxSize { { 32767, 32767 } },
        FormatMaxChannels { { 1, 24, 24, 24, 24, 24, 24, 24 } }
    }
};
