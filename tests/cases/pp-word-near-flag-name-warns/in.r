resource 'Vorl' (16000) {
	{
		Kind { Filter },
		SupportedModes { doesSupportRGBColor, doesSupportLabColor },
		FilterCaseInfo { {
			inStraightData, outStraightData, doesNotFilterLayerMask, doesNotWorkWithBlankData, copySourceToDestination,
			inStraightData, outStraightData, doesNotFilterLayerMasks, doesNotWorkWithBlankData, copySourceToDestination,
			inStraightData, outStraightData, doesNotFilterLayerMasks, doesNotWorkWithBlankData, copySourceToDestination,
			inStraightData, outStraightData, doesNotFilterLayerMasks, doesNotWorkWithBlankData, copySourceToDestination,
			inStraightData, outStraightData, doesNotFilterLayerMasks, doesNotWorkWithBlankData, copySourceToDestination,
			inStraightData, outStraightData, doesNotFilterLayerMasks, doesNotWorkWithBlankData, copySourceToDestination,
			inStraightData, outStraightData, doesNotFilterLayerMasks, doesNotWorkWithBlankData, copySourceToDestination } },
		FormatFlags { fmtCanRed, fmtCanWrite }
	}
};
