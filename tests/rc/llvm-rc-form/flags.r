// Every flag whose byte is one from 0x80 to 0x9F, alone and beside others.
resource 'Vorl' (16000) { { Kind { Filter }, SupportedModes { doesSupportBitmap } } };
resource 'Vorl' (16001) { { Kind { Filter }, SupportedModes { doesSupportDuotone } } };
resource 'Vorl' (16002) { { Kind { Filter }, SupportedModes { doesSupportBitmap, doesSupportDuotone, doesSupportRGBColor } } };
resource 'Vorl' (16003) { { Kind { ImageFormat }, FormatICCFlags { iccCanEmbedGray } } };
resource 'Vorl' (16004) { { Kind { ImageFormat }, FormatICCFlags { iccCanEmbedGray, iccCanEmbedCMYK } } };
resource 'Vorl' (16005) { { Kind { Export }, ExportFlags { expSupportsTransparency } } };
resource 'Vorl' (16006) {
    {
        Kind { Filter },
        FilterCaseInfo { {
            inStraightData, outStraightData, 0x80, 0x9F, copySourceToDestination,
            inStraightData, outStraightData, 0x85, 0, doNotCopySourceToDestination,
            inStraightData, outStraightData, 0, 0x8E, copySourceToDestination,
            inStraightData, outStraightData, filtersLayerMasks, worksWithBlankData, copySourceToDestination,
            inStraightData, outStraightData, 0x99, 0x99, copySourceToDestination,
            inStraightData, outStraightData, 0x90, 0x81, copySourceToDestination,
            inStraightData, outStraightData, 0, 0, copySourceToDestination } }
    }
};
