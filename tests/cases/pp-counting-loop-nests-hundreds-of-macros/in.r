// A counting loop as preprocessor metaprogramming writes it: each step
// of WHILE_n is replaced inside the one before, a hundred and more deep.
#define CAT(a, b) CAT_I(a, b)
#define CAT_I(a, b) a ## b
#define INC(n) CAT(INC_, n)
#define DEC(n) CAT(DEC_, n)
#define BOOL(n) CAT(BOOL_, n)
#define INC_0 1
#define DEC_0 0
#define BOOL_0 0
#define INC_1 2
#define DEC_1 0
#define BOOL_1 1
#define INC_2 3
#define DEC_2 1
#define BOOL_2 1
#define INC_3 4
#define DEC_3 2
#define BOOL_3 1
#define INC_4 5
#define DEC_4 3
#define BOOL_4 1
#define INC_5 6
#define DEC_5 4
#define BOOL_5 1
#define INC_6 7
#define DEC_6 5
#define BOOL_6 1
#define INC_7 8
#define DEC_7 6
#define BOOL_7 1
#define INC_8 9
#define DEC_8 7
#define BOOL_8 1
#define INC_9 10
#define DEC_9 8
#define BOOL_9 1
#define INC_10 11
#define DEC_10 9
#define BOOL_10 1
#define INC_11 12
#define DEC_11 10
#define BOOL_11 1
#define INC_12 13
#define DEC_12 11
#define BOOL_12 1
#define INC_13 14
#define DEC_13 12
#define BOOL_13 1
#define INC_14 15
#define DEC_14 13
#define BOOL_14 1
#define INC_15 16
#define DEC_15 14
#define BOOL_15 1
#define INC_16 17
#define DEC_16 15
#define BOOL_16 1
#define INC_17 18
#define DEC_17 16
#define BOOL_17 1
#define INC_18 19
#define DEC_18 17
#define BOOL_18 1
#define INC_19 20
#define DEC_19 18
#define BOOL_19 1
#define INC_20 21
#define DEC_20 19
#define BOOL_20 1
#define INC_21 22
#define DEC_21 20
#define BOOL_21 1
#define INC_22 23
#define DEC_22 21
#define BOOL_22 1
#define INC_23 24
#define DEC_23 22
#define BOOL_23 1
#define INC_24 25
#define DEC_24 23
#define BOOL_24 1
#define INC_25 26
#define DEC_25 24
#define BOOL_25 1
#define INC_26 27
#define DEC_26 25
#define BOOL_26 1
#define INC_27 28
#define DEC_27 26
#define BOOL_27 1
#define INC_28 29
#define DEC_28 27
#define BOOL_28 1
#define INC_29 30
#define DEC_29 28
#define BOOL_29 1
#define INC_30 31
#define DEC_30 29
#define BOOL_30 1
#define INC_31 32
#define DEC_31 30
#define BOOL_31 1
#define INC_32 33
#define DEC_32 31
#define BOOL_32 1
#define INC_33 34
#define DEC_33 32
#define BOOL_33 1
#define INC_34 35
#define DEC_34 33
#define BOOL_34 1
#define INC_35 36
#define DEC_35 34
#define BOOL_35 1
#define INC_36 37
#define DEC_36 35
#define BOOL_36 1
#define INC_37 38
#define DEC_37 36
#define BOOL_37 1
#define INC_38 39
#define DEC_38 37
#define BOOL_38 1
#define INC_39 40
#define DEC_39 38
#define BOOL_39 1
#define INC_40 41
#define DEC_40 39
#define BOOL_40 1
#define INC_41 42
#define DEC_41 40
#define BOOL_41 1
#define INC_42 43
#define DEC_42 41
#define BOOL_42 1
#define INC_43 44
#define DEC_43 42
#define BOOL_43 1
#define INC_44 45
#define DEC_44 43
#define BOOL_44 1
#define INC_45 46
#define DEC_45 44
#define BOOL_45 1
#define INC_46 47
#define DEC_46 45
#define BOOL_46 1
#define INC_47 48
#define DEC_47 46
#define BOOL_47 1
#define INC_48 49
#define DEC_48 47
#define BOOL_48 1
#define INC_49 50
#define DEC_49 48
#define BOOL_49 1
#define INC_50 51
#define DEC_50 49
#define BOOL_50 1
#define INC_51 52
#define DEC_51 50
#define BOOL_51 1
#define INC_52 53
#define DEC_52 51
#define BOOL_52 1
#define INC_53 54
#define DEC_53 52
#define BOOL_53 1
#define INC_54 55
#define DEC_54 53
#define BOOL_54 1
#define INC_55 56
#define DEC_55 54
#define BOOL_55 1
#define INC_56 57
#define DEC_56 55
#define BOOL_56 1
#define INC_57 58
#define DEC_57 56
#define BOOL_57 1
#define INC_58 59
#define DEC_58 57
#define BOOL_58 1
#define INC_59 60
#define DEC_59 58
#define BOOL_59 1
#define INC_60 61
#define DEC_60 59
#define BOOL_60 1
#define INC_61 62
#define DEC_61 60
#define BOOL_61 1
#define INC_62 63
#define DEC_62 61
#define BOOL_62 1
#define INC_63 64
#define DEC_63 62
#define BOOL_63 1
#define INC_64 65
#define DEC_64 63
#define BOOL_64 1
#define INC_65 66
#define DEC_65 64
#define BOOL_65 1
#define INC_66 67
#define DEC_66 65
#define BOOL_66 1
#define INC_67 68
#define DEC_67 66
#define BOOL_67 1
#define INC_68 69
#define DEC_68 67
#define BOOL_68 1
#define INC_69 70
#define DEC_69 68
#define BOOL_69 1
#define INC_70 71
#define DEC_70 69
#define BOOL_70 1
#define INC_71 72
#define DEC_71 70
#define BOOL_71 1
#define INC_72 73
#define DEC_72 71
#define BOOL_72 1
#define INC_73 74
#define DEC_73 72
#define BOOL_73 1
#define INC_74 75
#define DEC_74 73
#define BOOL_74 1
#define INC_75 76
#define DEC_75 74
#define BOOL_75 1
#define INC_76 77
#define DEC_76 75
#define BOOL_76 1
#define INC_77 78
#define DEC_77 76
#define BOOL_77 1
#define INC_78 79
#define DEC_78 77
#define BOOL_78 1
#define INC_79 80
#define DEC_79 78
#define BOOL_79 1
#define INC_80 81
#define DEC_80 79
#define BOOL_80 1
#define INC_81 82
#define DEC_81 80
#define BOOL_81 1
#define INC_82 83
#define DEC_82 81
#define BOOL_82 1
#define INC_83 84
#define DEC_83 82
#define BOOL_83 1
#define INC_84 85
#define DEC_84 83
#define BOOL_84 1
#define INC_85 86
#define DEC_85 84
#define BOOL_85 1
#define INC_86 87
#define DEC_86 85
#define BOOL_86 1
#define INC_87 88
#define DEC_87 86
#define BOOL_87 1
#define INC_88 89
#define DEC_88 87
#define BOOL_88 1
#define INC_89 90
#define DEC_89 88
#define BOOL_89 1
#define INC_90 91
#define DEC_90 89
#define BOOL_90 1
#define INC_91 92
#define DEC_91 90
#define BOOL_91 1
#define INC_92 93
#define DEC_92 91
#define BOOL_92 1
#define INC_93 94
#define DEC_93 92
#define BOOL_93 1
#define INC_94 95
#define DEC_94 93
#define BOOL_94 1
#define INC_95 96
#define DEC_95 94
#define BOOL_95 1
#define INC_96 97
#define DEC_96 95
#define BOOL_96 1
#define INC_97 98
#define DEC_97 96
#define BOOL_97 1
#define INC_98 99
#define DEC_98 97
#define BOOL_98 1
#define INC_99 100
#define DEC_99 98
#define BOOL_99 1
#define INC_100 101
#define DEC_100 99
#define BOOL_100 1
#define INC_101 102
#define DEC_101 100
#define BOOL_101 1
#define INC_102 103
#define DEC_102 101
#define BOOL_102 1
#define INC_103 104
#define DEC_103 102
#define BOOL_103 1
#define INC_104 105
#define DEC_104 103
#define BOOL_104 1
#define INC_105 106
#define DEC_105 104
#define BOOL_105 1
#define INC_106 107
#define DEC_106 105
#define BOOL_106 1
#define INC_107 108
#define DEC_107 106
#define BOOL_107 1
#define INC_108 109
#define DEC_108 107
#define BOOL_108 1
#define INC_109 110
#define DEC_109 108
#define BOOL_109 1
#define INC_110 111
#define DEC_110 109
#define BOOL_110 1
#define INC_111 112
#define DEC_111 110
#define BOOL_111 1
#define INC_112 113
#define DEC_112 111
#define BOOL_112 1
#define INC_113 114
#define DEC_113 112
#define BOOL_113 1
#define INC_114 115
#define DEC_114 113
#define BOOL_114 1
#define INC_115 116
#define DEC_115 114
#define BOOL_115 1
#define INC_116 117
#define DEC_116 115
#define BOOL_116 1
#define INC_117 118
#define DEC_117 116
#define BOOL_117 1
#define INC_118 119
#define DEC_118 117
#define BOOL_118 1
#define INC_119 120
#define DEC_119 118
#define BOOL_119 1
#define INC_120 121
#define DEC_120 119
#define BOOL_120 1
#define INC_121 122
#define DEC_121 120
#define BOOL_121 1
#define INC_122 123
#define DEC_122 121
#define BOOL_122 1
#define INC_123 124
#define DEC_123 122
#define BOOL_123 1
#define INC_124 125
#define DEC_124 123
#define BOOL_124 1
#define INC_125 126
#define DEC_125 124
#define BOOL_125 1
#define INC_126 127
#define DEC_126 125
#define BOOL_126 1
#define INC_127 128
#define DEC_127 126
#define BOOL_127 1
#define INC_128 129
#define DEC_128 127
#define BOOL_128 1
#define IIF(c, t, f) CAT(IIF_, c)(t, f)
#define IIF_0(t, f) f
#define IIF_1(t, f) t
#define IF(c, t, f) IIF(BOOL(c), t, f)
#define EAT_3(a, b, c)
#define ELEM_0(a, b) a
#define ELEM_1(a, b) b
#define APPLY(m, t) m t
#define WHILE_1(p, o, s) IF(p(s), WHILE_2, s EAT_3)(p, o, o(s))
#define WHILE_2(p, o, s) IF(p(s), WHILE_3, s EAT_3)(p, o, o(s))
#define WHILE_3(p, o, s) IF(p(s), WHILE_4, s EAT_3)(p, o, o(s))
#define WHILE_4(p, o, s) IF(p(s), WHILE_5, s EAT_3)(p, o, o(s))
#define WHILE_5(p, o, s) IF(p(s), WHILE_6, s EAT_3)(p, o, o(s))
#define WHILE_6(p, o, s) IF(p(s), WHILE_7, s EAT_3)(p, o, o(s))
#define WHILE_7(p, o, s) IF(p(s), WHILE_8, s EAT_3)(p, o, o(s))
#define WHILE_8(p, o, s) IF(p(s), WHILE_9, s EAT_3)(p, o, o(s))
#define WHILE_9(p, o, s) IF(p(s), WHILE_10, s EAT_3)(p, o, o(s))
#define WHILE_10(p, o, s) IF(p(s), WHILE_11, s EAT_3)(p, o, o(s))
#define WHILE_11(p, o, s) IF(p(s), WHILE_12, s EAT_3)(p, o, o(s))
#define WHILE_12(p, o, s) IF(p(s), WHILE_13, s EAT_3)(p, o, o(s))
#define WHILE_13(p, o, s) IF(p(s), WHILE_14, s EAT_3)(p, o, o(s))
#define WHILE_14(p, o, s) IF(p(s), WHILE_15, s EAT_3)(p, o, o(s))
#define WHILE_15(p, o, s) IF(p(s), WHILE_16, s EAT_3)(p, o, o(s))
#define WHILE_16(p, o, s) IF(p(s), WHILE_17, s EAT_3)(p, o, o(s))
#define WHILE_17(p, o, s) IF(p(s), WHILE_18, s EAT_3)(p, o, o(s))
#define WHILE_18(p, o, s) IF(p(s), WHILE_19, s EAT_3)(p, o, o(s))
#define WHILE_19(p, o, s) IF(p(s), WHILE_20, s EAT_3)(p, o, o(s))
#define WHILE_20(p, o, s) IF(p(s), WHILE_21, s EAT_3)(p, o, o(s))
#define WHILE_21(p, o, s) IF(p(s), WHILE_22, s EAT_3)(p, o, o(s))
#define WHILE_22(p, o, s) IF(p(s), WHILE_23, s EAT_3)(p, o, o(s))
#define WHILE_23(p, o, s) IF(p(s), WHILE_24, s EAT_3)(p, o, o(s))
#define WHILE_24(p, o, s) IF(p(s), WHILE_25, s EAT_3)(p, o, o(s))
#define WHILE_25(p, o, s) IF(p(s), WHILE_26, s EAT_3)(p, o, o(s))
#define WHILE_26(p, o, s) IF(p(s), WHILE_27, s EAT_3)(p, o, o(s))
#define WHILE_27(p, o, s) IF(p(s), WHILE_28, s EAT_3)(p, o, o(s))
#define WHILE_28(p, o, s) IF(p(s), WHILE_29, s EAT_3)(p, o, o(s))
#define WHILE_29(p, o, s) IF(p(s), WHILE_30, s EAT_3)(p, o, o(s))
#define WHILE_30(p, o, s) IF(p(s), WHILE_31, s EAT_3)(p, o, o(s))
#define WHILE_31(p, o, s) IF(p(s), WHILE_32, s EAT_3)(p, o, o(s))
#define WHILE_32(p, o, s) IF(p(s), WHILE_33, s EAT_3)(p, o, o(s))
#define WHILE_33(p, o, s) IF(p(s), WHILE_34, s EAT_3)(p, o, o(s))
#define WHILE_34(p, o, s) IF(p(s), WHILE_35, s EAT_3)(p, o, o(s))
#define WHILE_35(p, o, s) IF(p(s), WHILE_36, s EAT_3)(p, o, o(s))
#define WHILE_36(p, o, s) IF(p(s), WHILE_37, s EAT_3)(p, o, o(s))
#define WHILE_37(p, o, s) IF(p(s), WHILE_38, s EAT_3)(p, o, o(s))
#define WHILE_38(p, o, s) IF(p(s), WHILE_39, s EAT_3)(p, o, o(s))
#define WHILE_39(p, o, s) IF(p(s), WHILE_40, s EAT_3)(p, o, o(s))
#define WHILE_40(p, o, s) IF(p(s), WHILE_41, s EAT_3)(p, o, o(s))
#define WHILE_41(p, o, s) IF(p(s), WHILE_42, s EAT_3)(p, o, o(s))
#define WHILE_42(p, o, s) IF(p(s), WHILE_43, s EAT_3)(p, o, o(s))
#define WHILE_43(p, o, s) IF(p(s), WHILE_44, s EAT_3)(p, o, o(s))
#define WHILE_44(p, o, s) IF(p(s), WHILE_45, s EAT_3)(p, o, o(s))
#define WHILE_45(p, o, s) IF(p(s), WHILE_46, s EAT_3)(p, o, o(s))
#define WHILE_46(p, o, s) IF(p(s), WHILE_47, s EAT_3)(p, o, o(s))
#define WHILE_47(p, o, s) IF(p(s), WHILE_48, s EAT_3)(p, o, o(s))
#define WHILE_48(p, o, s) IF(p(s), WHILE_49, s EAT_3)(p, o, o(s))
#define WHILE_49(p, o, s) IF(p(s), WHILE_50, s EAT_3)(p, o, o(s))
#define WHILE_50(p, o, s) IF(p(s), WHILE_51, s EAT_3)(p, o, o(s))
#define WHILE_51(p, o, s) IF(p(s), WHILE_52, s EAT_3)(p, o, o(s))
#define WHILE_52(p, o, s) IF(p(s), WHILE_53, s EAT_3)(p, o, o(s))
#define WHILE_53(p, o, s) IF(p(s), WHILE_54, s EAT_3)(p, o, o(s))
#define WHILE_54(p, o, s) IF(p(s), WHILE_55, s EAT_3)(p, o, o(s))
#define WHILE_55(p, o, s) IF(p(s), WHILE_56, s EAT_3)(p, o, o(s))
#define WHILE_56(p, o, s) IF(p(s), WHILE_57, s EAT_3)(p, o, o(s))
#define WHILE_57(p, o, s) IF(p(s), WHILE_58, s EAT_3)(p, o, o(s))
#define WHILE_58(p, o, s) IF(p(s), WHILE_59, s EAT_3)(p, o, o(s))
#define WHILE_59(p, o, s) IF(p(s), WHILE_60, s EAT_3)(p, o, o(s))
#define WHILE_60(p, o, s) IF(p(s), WHILE_61, s EAT_3)(p, o, o(s))
#define WHILE_61(p, o, s) IF(p(s), WHILE_62, s EAT_3)(p, o, o(s))
#define WHILE_62(p, o, s) IF(p(s), WHILE_63, s EAT_3)(p, o, o(s))
#define WHILE_63(p, o, s) IF(p(s), WHILE_64, s EAT_3)(p, o, o(s))
#define WHILE_64(p, o, s) IF(p(s), WHILE_65, s EAT_3)(p, o, o(s))
#define WHILE_65(p, o, s) IF(p(s), WHILE_66, s EAT_3)(p, o, o(s))
#define WHILE_66(p, o, s) IF(p(s), WHILE_67, s EAT_3)(p, o, o(s))
#define WHILE_67(p, o, s) IF(p(s), WHILE_68, s EAT_3)(p, o, o(s))
#define WHILE_68(p, o, s) IF(p(s), WHILE_69, s EAT_3)(p, o, o(s))
#define WHILE_69(p, o, s) IF(p(s), WHILE_70, s EAT_3)(p, o, o(s))
#define WHILE_70(p, o, s) IF(p(s), WHILE_71, s EAT_3)(p, o, o(s))
#define WHILE_71(p, o, s) IF(p(s), WHILE_72, s EAT_3)(p, o, o(s))
#define WHILE_72(p, o, s) IF(p(s), WHILE_73, s EAT_3)(p, o, o(s))
#define WHILE_73(p, o, s) IF(p(s), WHILE_74, s EAT_3)(p, o, o(s))
#define WHILE_74(p, o, s) IF(p(s), WHILE_75, s EAT_3)(p, o, o(s))
#define WHILE_75(p, o, s) IF(p(s), WHILE_76, s EAT_3)(p, o, o(s))
#define WHILE_76(p, o, s) IF(p(s), WHILE_77, s EAT_3)(p, o, o(s))
#define WHILE_77(p, o, s) IF(p(s), WHILE_78, s EAT_3)(p, o, o(s))
#define WHILE_78(p, o, s) IF(p(s), WHILE_79, s EAT_3)(p, o, o(s))
#define WHILE_79(p, o, s) IF(p(s), WHILE_80, s EAT_3)(p, o, o(s))
#define WHILE_80(p, o, s) IF(p(s), WHILE_81, s EAT_3)(p, o, o(s))
#define WHILE_81(p, o, s) IF(p(s), WHILE_82, s EAT_3)(p, o, o(s))
#define WHILE_82(p, o, s) IF(p(s), WHILE_83, s EAT_3)(p, o, o(s))
#define WHILE_83(p, o, s) IF(p(s), WHILE_84, s EAT_3)(p, o, o(s))
#define WHILE_84(p, o, s) IF(p(s), WHILE_85, s EAT_3)(p, o, o(s))
#define WHILE_85(p, o, s) IF(p(s), WHILE_86, s EAT_3)(p, o, o(s))
#define WHILE_86(p, o, s) IF(p(s), WHILE_87, s EAT_3)(p, o, o(s))
#define WHILE_87(p, o, s) IF(p(s), WHILE_88, s EAT_3)(p, o, o(s))
#define WHILE_88(p, o, s) IF(p(s), WHILE_89, s EAT_3)(p, o, o(s))
#define WHILE_89(p, o, s) IF(p(s), WHILE_90, s EAT_3)(p, o, o(s))
#define WHILE_90(p, o, s) IF(p(s), WHILE_91, s EAT_3)(p, o, o(s))
#define WHILE_91(p, o, s) IF(p(s), WHILE_92, s EAT_3)(p, o, o(s))
#define WHILE_92(p, o, s) IF(p(s), WHILE_93, s EAT_3)(p, o, o(s))
#define WHILE_93(p, o, s) IF(p(s), WHILE_94, s EAT_3)(p, o, o(s))
#define WHILE_94(p, o, s) IF(p(s), WHILE_95, s EAT_3)(p, o, o(s))
#define WHILE_95(p, o, s) IF(p(s), WHILE_96, s EAT_3)(p, o, o(s))
#define WHILE_96(p, o, s) IF(p(s), WHILE_97, s EAT_3)(p, o, o(s))
#define WHILE_97(p, o, s) IF(p(s), WHILE_98, s EAT_3)(p, o, o(s))
#define WHILE_98(p, o, s) IF(p(s), WHILE_99, s EAT_3)(p, o, o(s))
#define WHILE_99(p, o, s) IF(p(s), WHILE_100, s EAT_3)(p, o, o(s))
#define WHILE_100(p, o, s) IF(p(s), WHILE_101, s EAT_3)(p, o, o(s))
#define WHILE_101(p, o, s) IF(p(s), WHILE_102, s EAT_3)(p, o, o(s))
#define WHILE_102(p, o, s) IF(p(s), WHILE_103, s EAT_3)(p, o, o(s))
#define WHILE_103(p, o, s) IF(p(s), WHILE_104, s EAT_3)(p, o, o(s))
#define WHILE_104(p, o, s) IF(p(s), WHILE_105, s EAT_3)(p, o, o(s))
#define WHILE_105(p, o, s) IF(p(s), WHILE_106, s EAT_3)(p, o, o(s))
#define WHILE_106(p, o, s) IF(p(s), WHILE_107, s EAT_3)(p, o, o(s))
#define WHILE_107(p, o, s) IF(p(s), WHILE_108, s EAT_3)(p, o, o(s))
#define WHILE_108(p, o, s) IF(p(s), WHILE_109, s EAT_3)(p, o, o(s))
#define WHILE_109(p, o, s) IF(p(s), WHILE_110, s EAT_3)(p, o, o(s))
#define WHILE_110(p, o, s) IF(p(s), WHILE_111, s EAT_3)(p, o, o(s))
#define WHILE_111(p, o, s) IF(p(s), WHILE_112, s EAT_3)(p, o, o(s))
#define WHILE_112(p, o, s) IF(p(s), WHILE_113, s EAT_3)(p, o, o(s))
#define WHILE_113(p, o, s) IF(p(s), WHILE_114, s EAT_3)(p, o, o(s))
#define WHILE_114(p, o, s) IF(p(s), WHILE_115, s EAT_3)(p, o, o(s))
#define WHILE_115(p, o, s) IF(p(s), WHILE_116, s EAT_3)(p, o, o(s))
#define WHILE_116(p, o, s) IF(p(s), WHILE_117, s EAT_3)(p, o, o(s))
#define WHILE_117(p, o, s) IF(p(s), WHILE_118, s EAT_3)(p, o, o(s))
#define WHILE_118(p, o, s) IF(p(s), WHILE_119, s EAT_3)(p, o, o(s))
#define WHILE_119(p, o, s) IF(p(s), WHILE_120, s EAT_3)(p, o, o(s))
#define WHILE_120(p, o, s) IF(p(s), WHILE_121, s EAT_3)(p, o, o(s))
#define WHILE_121(p, o, s) IF(p(s), WHILE_122, s EAT_3)(p, o, o(s))
#define WHILE_122(p, o, s) IF(p(s), WHILE_123, s EAT_3)(p, o, o(s))
#define WHILE_123(p, o, s) IF(p(s), WHILE_124, s EAT_3)(p, o, o(s))
#define WHILE_124(p, o, s) IF(p(s), WHILE_125, s EAT_3)(p, o, o(s))
#define WHILE_125(p, o, s) IF(p(s), WHILE_126, s EAT_3)(p, o, o(s))
#define WHILE_126(p, o, s) IF(p(s), WHILE_127, s EAT_3)(p, o, o(s))
#define WHILE_127(p, o, s) IF(p(s), WHILE_128, s EAT_3)(p, o, o(s))
#define WHILE_128(p, o, s) IF(p(s), WHILE_129, s EAT_3)(p, o, o(s))
#define ADD_P(s) ELEM_1 s
#define ADD_O(s) (INC(ELEM_0 s), DEC(ELEM_1 s))
#define ADD(x, y) APPLY(ELEM_0, WHILE_1(ADD_P, ADD_O, (x, y)))
resource 'Vorl' (16000) {
	{
		Kind { Filter },
		Priority { ADD(3, 100) },
		Version { ADD(ADD(1, 2), 125) << 16 | ADD(0, 0) }
	}
};
