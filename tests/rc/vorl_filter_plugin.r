// A filter plug-in's property list as a build would hand it over.
resource 'Vorl' (16000, "Soft Blur", purgeable) {
	{
		Kind { Filter },
		Name { "Soft Blur..." },
		Category { "Blur" },
		Version { 0x10002 },
		Priority { 1 },
		RequiredHost { 'HOST' },
		CodeWin32X86 { "PluginMain" },
		CodeWin64X86 { "PluginMain" },
		SupportedModes {
			doesSupportGrayScale, doesSupportRGBColor, doesSupportCMYKColor,
			doesSupportLABColor, doesSupportGray16, doesSupportRGB48
		},
		FilterCaseInfo {
			{
				inStraightData, outStraightData, filtersLayerMasks, worksWithBlankData, doNotCopySourceToDestination;
				inStraightData, outStraightData, 0, 0, copySourceToDestination;
				inStraightData, outStraightData, filtersLayerMasks, worksWithBlankData, copySourceToDestination;
				inStraightData, outStraightData, filtersLayerMasks, worksWithBlankData, copySourceToDestination;
				inWhiteMat, outWhiteMat, 0, 0, copySourceToDestination;
				inBlackMat, outBlackMat, 0, 0, copySourceToDestination;
				inGrayMat, outGrayMat, 0, 0, copySourceToDestination
			}
		},
		FormatMaxChannels { { 1, 3, 4, 4, 3, 24 } }
	}
};
