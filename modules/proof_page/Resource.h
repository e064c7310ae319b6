#pragma once
// Control numbers shared by SamplePrint.rc and SamplePrint.cpp; the dialog
// itself follows modules/common/RecordView.h.

#define IDC_SAMPLE_PRINT 1001
