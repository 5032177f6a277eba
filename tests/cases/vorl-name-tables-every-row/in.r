/* Every name of the image mode, flag, filter case and format extension tables,
   each on its own, so that every row's value shows by itself. */
resource 'Vorl' (3) {
	{
		SupportedModes { doesSupportBitmap },
		SupportedModes { doesSupportGrayScale },
		SupportedModes { doesSupportIndexedColor },
		SupportedModes { doesSupportRGBColor },
		SupportedModes { doesSupportCMYKColor },
		SupportedModes { doesSupportHSLColor },
		SupportedModes { doesSupportHSBColor },
		SupportedModes { doesSupportMultichannel },
		SupportedModes { doesSupportDuotone },
		SupportedModes { doesSupportLABColor },
		SupportedModes { doesSupportGray16 },
		SupportedModes { doesSupportRGB48 },
		SupportedModes { doesSupportLab48 },
		SupportedModes { doesSupportCMYK64 },
		SupportedModes { doesSupportDeepMultichannel },
		SupportedModes { doesSupportDuotone16 },
		FormatFlags { fmtSavesImageResources },
		FormatFlags { fmtCanRead },
		FormatFlags { fmtCanWrite },
		FormatFlags { fmtCanWriteIfRead },
		FormatICCFlags { iccCanEmbedGray },
		FormatICCFlags { iccCanEmbedIndexed },
		FormatICCFlags { iccCanEmbedRGB },
		FormatICCFlags { iccCanEmbedCMYK },
		ExportFlags { expSupportsTransparency },
		FilterCaseInfo {
			{
				inCantFilter, outCantFilter, filtersLayerMasks, 0, none,
				inStraightData, outStraightData, 0, worksWithBlankData, none,
				inBlackMat, outBlackMat, 0, 0, doNotCopySourceToDestination,
				inGrayMat, outGrayMat, 0, 0, none,
				inWhiteMat, outWhiteMat, 0, 0, none,
				inDefringe, outFillMask, 0, 0, none,
				inBlackZap, outCantFilter, 0, 0, none
			}
		},
		FilterCaseInfo {
			{
				inGrayZap, outCantFilter, worksWithBlankData, doNotCopySourceToDestination, filtersLayerMasks,
				inWhiteZap, outCantFilter, doNotCopySourceToDestination, filtersLayerMasks, worksWithBlankData,
				inBackgroundZap, outCantFilter, 0, 0, none,
				inForegroundZap, outCantFilter, 0, 0, none,
				inCantFilter, outCantFilter, 0, 0, none,
				inCantFilter, outCantFilter, 0, 0, none,
				inCantFilter, outCantFilter, 0, 0, none
			}
		},
		ZR_ImageFormat_Extension_Info { 1, 0, hasNoOptions } 'SIGN' },
		ZR_ImageFormat_Extension_Info { 1, 0, nonSequentialOk } 'SIGN' },
		ZR_ImageFormat_Extension_Info { 1, 0, mustInteract } 'SIGN' },
		ZR_ImageFormat_Extension_Info { 1, 0, hasInteractPut } 'SIGN' },
		ZR_ImageFormat_Extension_Info { 1, 0, hasInteractGet } 'SIGN' },
		ZR_ImageFormat_Extension_Info { 1, 0, hasNoTime } 'SIGN' },
		ZR_ImageFormat_Extension_Info { 1, 0, hasVideo } 'SIGN' },
		ZR_ImageFormat_Extension_Info { 1, 0, still } 'SIGN' },
		ZR_ImageFormat_Extension_Info { 1, 0, hasFile } 'SIGN' },
		ZR_ImageFormat_Extension_Info { 1, 0, output } 'SIGN' },
		ZR_ImageFormat_Extension_Info { 1, 0, input } 'SIGN' }
	}
};
