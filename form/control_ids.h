// The numeric IDs of the sale form's controls. All logic reaches a control by its ID.
#pragma once

inline constexpr int IDD_RECEIPT_DIALOG = 102;
inline constexpr int IDR_MAINFRAME = 128;

inline constexpr int IDC_PRINT = 1000;             // "打印" button
inline constexpr int IDC_ABOUT = 1001;             // "关于" button
inline constexpr int IDC_CASHIER = 1002;           // cashier name
inline constexpr int IDC_RECEIPTNO = 1003;         // receipt number, may be empty
inline constexpr int IDC_QTY1 = 1006;              // first row's quantity; see item_row.h
inline constexpr int IDC_GOODS1 = 1007;            // first row's goods picker
inline constexpr int IDC_PRICE1 = 1008;            // first row's unit price
inline constexpr int IDC_RECEIVED = 1024;          // amount received
inline constexpr int IDC_PERIOD1 = 1025;           // period field, first part
inline constexpr int IDC_PERIOD2 = 1026;           // period field, second part
inline constexpr int IDC_TOTAL_BUTTON = 1027;      // "合计 >>" button
inline constexpr int IDC_TOTAL = 1028;             // read-only total box
inline constexpr int IDC_DATE = 1029;              // date, prefilled at start
inline constexpr int IDC_TIME = 1030;              // time, prefilled at start
inline constexpr int IDC_PASSPHRASE = 1031;        // masked passphrase box
inline constexpr int IDC_PASSPHRASE_LABEL = 1032;  // its label, addressed only to disable it

// Labels and frames the logic never addresses.
inline constexpr int IDC_STATIC = -1;
