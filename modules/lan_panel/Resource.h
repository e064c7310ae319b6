#pragma once
// Control numbers shared by NetConfig.rc and NetConfig.cpp.

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

#define IDD_NET_CONFIG 101
#define IDC_IP_ADDRESS 1001
#define IDC_SUBNET_MASK 1002
#define IDC_GATEWAY 1003
#define IDC_TCP_PORT 1004
