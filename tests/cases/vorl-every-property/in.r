/* A filter that uses every identity and capability property. */
resource 'Vorl' (16000, "Every property", purgeable) {
	{
		Kind { Filter },
		Name { "Blur" },
		Category { "a\tb" },
		Version { 0x20001 },
		Priority { 7 },
		RequiredHost { 'ABCD' },
		Code68K { 'PROC', 1, { "nested", { } } },
		CodeWin32X86 { "PluginMain" },
		CodeWin64X86 { "Main" },
		CodePowerPC { 0, 0, "" },
		SupportedModes { doesSupportBitmap, doesSupportRGBColor, notAMode,
		                 doesSupportRGB48, doesSupportDuotone16 },
		FilterCaseInfo {
			{
				inStraightData, outStraightData, 8, worksWithBlankData, doNotCopySourceToDestination;
				inBlackMat, outBlackMat, filtersLayerMasks, 0, copySourceToDestination;
				inGrayMat, outGrayMat, 0x1F4, 3, noFlag;
				inWhiteMat, outWhiteMat, cantFilterLayerMasks, worksWithBlankData, doNotCopySourceToDestination;
				inDefringe, outFillMask, filtersLayerMasks, worksWithBlankData, doNotCopySourceToDestination;
				inBackgroundZap, outCantFilter, 0, 0, copySourceToDestination;
				inForegroundZap, outStraightData, 0, 0, copySourceToDestination
			}
		},
		FormatFlags { fmtCanRead, fmtCanWrite },
		FormatICCFlags { iccCanEmbedGray; iccCanEmbedCMYK },
		ExportFlags { expSupportsTransparency, fmtCanRead },
		FormatMaxSize { { 30000, 40000 } },
		FormatMaxChannels { { 1, 24, 24, 24, 24 } }
	}
};
