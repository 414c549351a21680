// Resource identifiers of the module: dialog templates, their controls,
// preview bitmaps and the string table. Shared by the resource script and
// the code (plain #defines, so that the resource compiler reads them too).
#pragma once

// ---------------------------------------------------------------------------
// Dialog templates
#define IDD_FAX_RECEIVE 4401     // FAX receive sort-condition page
#define IDD_FAX_SEND 4402        // FAX send sort-condition page
#define IDD_LIBROOT 4403         // LibRoot folders page
#define IDD_SCANNER 4404         // MFP scanner sort-condition page
#define IDD_PREVIEW 4405         // template preview dialog
#define IDD_CONDITION_NAME 4406  // condition-name dialog
#define IDD_GENERAL 4407         // single-root general page
#define IDD_IMPORT_DEST 4417     // scan-import destination (page and dialog)

// Window class that template IDD_IMPORT_DEST names (a copy of "#32770").
#define IMPORT_DEST_WINDOW_CLASS "LumoraLaunchWndClass_Set"

// Combo-box list data of a dialog: a resource of this type with the dialog's
// id holds records of control id (WORD), message (WORD, CB_ADDSTRING),
// text length with its terminator (DWORD) and the text; a zero WORD ends it.
// The three condition pages list their weekdays this way.
#define RT_DIALOG_LISTS 240
#define DIALOG_LIST_ADDSTRING 0x0143  // CB_ADDSTRING (unknown to the resource compiler)

// ---------------------------------------------------------------------------
// Preview bitmaps (517 x 345, 8 bits per pixel)
#define IDB_PREVIEW_FAX_RECEIVE_1 4408
#define IDB_PREVIEW_FAX_RECEIVE_2 4409
#define IDB_PREVIEW_SCANNER_3 4410
#define IDB_PREVIEW_SCANNER_1 4411
#define IDB_PREVIEW_SCANNER_2 4412
#define IDB_PREVIEW_FAX_RECEIVE_3 4413
#define IDB_PREVIEW_FAX_SEND_1 4414
#define IDB_PREVIEW_FAX_SEND_2 4415
#define IDB_PREVIEW_FAX_SEND_3 4416

// ---------------------------------------------------------------------------
// Controls of the sort-condition pages

// MFP scanner page (IDD_SCANNER)
#define IDC_SCAN_DELETE 1001
#define IDC_SCAN_PREVIEW 1002
#define IDC_SCAN_CHECK_LIBRARY 1005
#define IDC_SCAN_CHECK_CABINET 1007
#define IDC_SCAN_CHECK_BINDER 1008
#define IDC_SCAN_CHECK_INDEX 1009
#define IDC_SCAN_CHECK_NOTE 1010
#define IDC_SCAN_CONDITION 1011
#define IDC_SCAN_LIBRARY 1012
#define IDC_SCAN_CABINET 1013
#define IDC_SCAN_BINDER 1014
#define IDC_SCAN_INDEX 1015
#define IDC_SCAN_NOTE 1016
#define IDC_SCAN_WEEKDAY 1018
#define IDC_SCAN_POSITION_PREVIOUS 1020
#define IDC_SCAN_POSITION_NEXT 1021
#define IDC_SCAN_DATE_YMD 1022
#define IDC_SCAN_DATE_YM 1023
#define IDC_SCAN_DATE_YMW 1025

// FAX receive page (IDD_FAX_RECEIVE)
#define IDC_FAXRX_WEEKDAY 1017
#define IDC_FAXRX_DELETE 1028
#define IDC_FAXRX_PREVIEW 1029
#define IDC_FAXRX_UP 1030
#define IDC_FAXRX_DOWN 1031
#define IDC_FAXRX_CHECK_LIBRARY 1032
#define IDC_FAXRX_CHECK_CABINET 1033
#define IDC_FAXRX_CHECK_BINDER 1034
#define IDC_FAXRX_CHECK_INDEX 1035
#define IDC_FAXRX_CHECK_NOTE 1036
#define IDC_FAXRX_CONDITION 1037
#define IDC_FAXRX_LIBRARY 1038
#define IDC_FAXRX_CABINET 1039
#define IDC_FAXRX_BINDER 1040
#define IDC_FAXRX_INDEX 1041
#define IDC_FAXRX_NOTE 1042
#define IDC_FAXRX_POSITION_PREVIOUS 1043
#define IDC_FAXRX_POSITION_NEXT 1044
#define IDC_FAXRX_DATE_YMD 1045
#define IDC_FAXRX_DATE_YM 1046
#define IDC_FAXRX_DATE_YMW 1047
#define IDC_FAXRX_INFO_LIST 1048

// FAX send page (IDD_FAX_SEND)
#define IDC_FAXTX_CONDITION 1058
#define IDC_FAXTX_DELETE 1059
#define IDC_FAXTX_PREVIEW 1060
#define IDC_FAXTX_CHECK_LIBRARY 1062
#define IDC_FAXTX_CHECK_CABINET 1063
#define IDC_FAXTX_CHECK_BINDER 1064
#define IDC_FAXTX_CHECK_INDEX 1065
#define IDC_FAXTX_LIBRARY 1066
#define IDC_FAXTX_CABINET 1067
#define IDC_FAXTX_BINDER 1068
#define IDC_FAXTX_INDEX 1069
#define IDC_FAXTX_CHECK_NOTE 1070
#define IDC_FAXTX_NOTE 1071
#define IDC_FAXTX_POSITION_PREVIOUS 1072
#define IDC_FAXTX_POSITION_NEXT 1073
#define IDC_FAXTX_DATE_YMD 1074
#define IDC_FAXTX_DATE_YM 1075
#define IDC_FAXTX_DATE_YMW 1076
#define IDC_FAXTX_WEEKDAY 1077
#define IDC_FAXTX_UP 1078
#define IDC_FAXTX_DOWN 1079
#define IDC_FAXTX_INFO_LIST 1080

// The example line of each condition page: where a document would be filed.
#define IDC_SCAN_EXAMPLE 1101
#define IDC_FAXRX_EXAMPLE 1102
#define IDC_FAXTX_EXAMPLE 1103

// ---------------------------------------------------------------------------
// Controls of the other templates

// Preview dialog (IDD_PREVIEW); OK is IDOK
#define IDC_PREVIEW_PICTURE 1057

// Condition-name dialog (IDD_CONDITION_NAME); OK is IDOK, Cancel IDCANCEL
#define IDC_CONDITION_NAME_EDIT 1049

// LibRoot folders page (IDD_LIBROOT)
#define IDC_ROOT1_PATH 1003
#define IDC_ROOT2_PATH 1004
#define IDC_ROOT3_PATH 1006
#define IDC_ROOT_MESSAGE_SHOW 1019     // hidden confirmation flag
#define IDC_ROOT_ZORDER_VIEW 1020      // "ZOrderView"
#define IDC_ROOT_ZORDER_WORKAREA 1021  // "ZOrderWordDesk"
#define IDC_ROOT1_BROWSE 1024
#define IDC_ROOT2_BROWSE 1026
#define IDC_ROOT3_BROWSE 1027
#define IDC_ROOT1_ALIAS 1050
#define IDC_ROOT2_ALIAS 1051
#define IDC_ROOT3_ALIAS 1052
#define IDC_ROOT1_CURRENT 1054  // radio group of the current root
#define IDC_ROOT2_CURRENT 1055
#define IDC_ROOT3_CURRENT 1056

// Single-root general page (IDD_GENERAL)
#define IDC_GENERAL_PATH 1003
#define IDC_GENERAL_MESSAGE_SHOW 1019  // hidden confirmation flag
#define IDC_GENERAL_BROWSE 1024

// Scan-import destination (IDD_IMPORT_DEST); OK is IDOK, Cancel IDCANCEL,
// both hidden in the template and shown by the dialog form only
#define IDC_IMPORT_CONFIRM 1082
#define IDC_IMPORT_WORKAREA 1083         // radio group: destination 0
#define IDC_IMPORT_SELECTED_BINDER 1084  // destination 1
#define IDC_IMPORT_BINDER_DIALOG 1085    // destination 2
#define IDC_IMPORT_HELP 57670

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

// ---------------------------------------------------------------------------
// String table

// Tab titles of the pages (also the template captions)
#define IDS_TITLE_FAX_RECEIVE 4401
#define IDS_TITLE_FAX_SEND 4402
#define IDS_TITLE_LIBROOT 4403

// Naming choices of the layer name boxes
#define IDS_CHOICE_BUTTON 4404       // "B: Button Name"
#define IDS_CHOICE_DATE 4405         // "D: Date"
#define IDS_CHOICE_TIME 4406         // "T: Time"
#define IDS_CHOICE_FAX_INFO 4407     // "F: FAX information"
#define IDS_CHOICE_DESTINATION 4573  // "S: Destination Information"
#define IDS_CHOICE_SENDER_INFO 4574  // "P: Sender Information"
#define IDS_CHOICE_COMM_MODE 4575    // "M: Communication Mode"

// Information items: FAX receive item i is IDS_FAX_ITEM_FIRST + i (0..5),
// FAX send item i is IDS_SEND_ITEM_FIRST + i (0..1)
#define IDS_FAX_ITEM_FIRST 4411
#define IDS_FAX_ITEM_TSI 4411
#define IDS_FAX_ITEM_DIALIN 4412
#define IDS_FAX_ITEM_NAME 4413
#define IDS_FAX_ITEM_NUMBER 4414
#define IDS_FAX_ITEM_FCODE 4415
#define IDS_FAX_ITEM_PORT 4416
#define IDS_SEND_ITEM_FIRST 4565
#define IDS_SEND_ITEM_USER 4565
#define IDS_SEND_ITEM_SECTION 4566

// Captions and fixed words
#define IDS_OPTIONS_CAPTION 4418  // "Vorda Options", caption of every message
#define IDS_APPLY 4419
#define IDS_HELP 4420
#define IDS_COPY_SUFFIX 4422       // "_Copy"
#define IDS_TEMPORARY_BINDER 4576  // "Temporary Binder"
#define IDS_BROWSE_ROOT_TITLE 4577
#define IDS_DEFAULT_ALIAS_PREFIX 4587  // "LibRoot-"
#define IDS_IMPORT_DEST_CAPTION 4588   // "Lumora -> Vorda"
#define IDS_IMPORT_DEST_FRAME 4589     // frame caption of the destinations
#define IDS_IMPORT_SAVE_FAILED 4590    // "Failed to save info to ini file."
#define IDS_TITLE_GENERAL 4591         // "General"

// Template condition names: template n of a kind is FIRST + n - 1
#define IDS_TEMPLATE_SCANNER_FIRST 4517
#define IDS_TEMPLATE_FAX_RECEIVE_FIRST 4520
#define IDS_TEMPLATE_FAX_SEND_FIRST 4523
#define IDS_TEMPLATE_NAME_FIRST 4517  // the nine names, 4517..4525
#define IDS_TEMPLATE_NAME_LAST 4525

// Messages of the condition pages and the name dialog
#define IDS_CONFIRM_DELETE 4408
#define IDS_LIBCAB_FORBIDDEN_CHARS 4409
#define IDS_BINDER_NAME_RESERVED 4410
#define IDS_CONFIRM_DELETE_CURRENT 4417
#define IDS_NAME_EXISTS 4421
#define IDS_NAME_FORBIDDEN_CHARS 4423
#define IDS_NAME_RESERVED 4424  // longer than 260 bytes
#define IDS_SAME_RELATED_INFO 4425
#define IDS_LIBRARY_NAME_REQUIRED 4510
#define IDS_CABINET_NAME_REQUIRED 4511
#define IDS_BINDER_NAME_REQUIRED 4512
#define IDS_INDEX_NAME_REQUIRED 4513
#define IDS_NOTE_NAME_REQUIRED 4514
#define IDS_NAME_REQUIRED 4515
#define IDS_NO_REGISTRY_KEY 4516

// Messages of the LibRoot pages and the sheet
#define IDS_ROOT_INACCESSIBLE 4578
#define IDS_ROOT_TOO_LONG 4579
#define IDS_ALIAS_REQUIRED 4580
#define IDS_ALIAS_TOO_LONG 4581
#define IDS_ALIAS_DUPLICATED 4582
#define IDS_ALIAS_SAVE_FAILED 4583
#define IDS_ROOT_NOT_WRITABLE 4584
#define IDS_ROOT_READ_FAILED 4585
#define IDS_SETTINGS_UPDATE_FAILED 4586
#define IDS_ROOT_EDIT_WARNING 4592
#define IDS_ROOT_IN_WORKAREA 4593
#define IDS_ROOT_NESTED 4594

// The example line of the condition pages and its sample document. FAX
// receive detail i is IDS_SAMPLE_FAX_FIRST + i (0..5); FAX send user name
// and account name are IDS_SAMPLE_SEND_FIRST + 0 and + 1.
#define IDS_EXAMPLE_LABEL 4601  // "Example:"
#define IDS_SAMPLE_BUTTON 4602
#define IDS_SAMPLE_FAX_FIRST 4603
#define IDS_SAMPLE_TX_DEST 4609
#define IDS_SAMPLE_SEND_FIRST 4610
#define IDS_SAMPLE_TX_MODE 4612

// Template defaults. Each field has three consecutive ids, templates 1, 2
// and 3; the first is also the read default of a missing or empty key.
// MFP scanner
#define IDS_SCAN_DEF_LIBRARY 4426
#define IDS_SCAN_DEF_CABINET 4429
#define IDS_SCAN_DEF_BINDER 4432
#define IDS_SCAN_DEF_INDEX 4435
#define IDS_SCAN_DEF_TAG 4438
#define IDS_SCAN_DEF_POSITION 4441
#define IDS_SCAN_DEF_LIBRARY_USE 4444
#define IDS_SCAN_DEF_CABINET_USE 4447
#define IDS_SCAN_DEF_BINDER_USE 4450
#define IDS_SCAN_DEF_INDEX_USE 4453
#define IDS_SCAN_DEF_TAG_USE 4456
#define IDS_SCAN_DEF_DATETYPE 4459
#define IDS_SCAN_DEF_DATEWEEK 4462
// FAX receive
#define IDS_FAXRX_DEF_LIBRARY 4465
#define IDS_FAXRX_DEF_CABINET 4468
#define IDS_FAXRX_DEF_BINDER 4471
#define IDS_FAXRX_DEF_INDEX 4474
#define IDS_FAXRX_DEF_TAG 4477
#define IDS_FAXRX_DEF_POSITION 4480
#define IDS_FAXRX_DEF_LIBRARY_USE 4483
#define IDS_FAXRX_DEF_CABINET_USE 4486
#define IDS_FAXRX_DEF_BINDER_USE 4489
#define IDS_FAXRX_DEF_INDEX_USE 4492
#define IDS_FAXRX_DEF_TAG_USE 4495
#define IDS_FAXRX_DEF_DATETYPE 4498  // FAX send templates use these too
#define IDS_FAXRX_DEF_DATEWEEK 4501  // FAX send templates use these too
#define IDS_FAXRX_DEF_FAX_SEQ 4504
#define IDS_FAXRX_DEF_FAX_CHECK 4507
// FAX send
#define IDS_FAXTX_DEF_LIBRARY 4526
#define IDS_FAXTX_DEF_CABINET 4529
#define IDS_FAXTX_DEF_BINDER 4532
#define IDS_FAXTX_DEF_INDEX 4535
#define IDS_FAXTX_DEF_TAG 4538
#define IDS_FAXTX_DEF_POSITION 4541
#define IDS_FAXTX_DEF_LIBRARY_USE 4544
#define IDS_FAXTX_DEF_CABINET_USE 4547
#define IDS_FAXTX_DEF_BINDER_USE 4550
#define IDS_FAXTX_DEF_INDEX_USE 4553
#define IDS_FAXTX_DEF_TAG_USE 4556   // template 3 (4558) is empty
#define IDS_FAXTX_DEF_DATETYPE 4559  // read default only: empty text
#define IDS_FAXTX_DEF_DATEWEEK 4562  // read default only: empty text
#define IDS_FAXTX_DEF_FAX_SEQ 4567
#define IDS_FAXTX_DEF_FAX_CHECK 4570
