// The device manager CDeviceMgr: the devices of the project, their remarks and pictures.
// Registry name "MOX_Device_MGR". How the calls work: managers/ManagerCalls.h.
#pragma once

#include <boost/shared_ptr.hpp>
#include <string>
#include <vector>

#include "managers/ManagerCalls.h"
#include "records/DeviceRecords.h"

namespace KVWEBSERVICEMANAGER::DEVICE {

/// What callers implement to hear of their asynchronous calls: one callback per
/// operation, given the handle the call returned and the holder (empty when the
/// request yielded none).
class IDeviceQuery {
 public:
  /// The copied device.
  virtual void OnServiceCloneDevice(void *handle,
                                    boost::shared_ptr<MOXAPP::IMOXUserData<KEEL::KVWEBSERVICE::StDevice>> &result) = 0;
  /// The devices, in the server's order.
  virtual void OnServiceListDevice(
      void *handle, boost::shared_ptr<MOXAPP::IMOXUserDataArray<KEEL::KVWEBSERVICE::StDevice>> &result) = 0;
  /// Whether the renaming succeeded.
  virtual void OnServiceRenameDevice(void *handle, boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> &result) = 0;
  /// The added devices as stored.
  virtual void OnServiceAddDevice(
      void *handle, boost::shared_ptr<MOXAPP::IMOXUserDataArray<KEEL::KVWEBSERVICE::StDevice>> &result) = 0;
  /// The texts the server answered to the edit.
  virtual void OnServiceEditDevice(void *handle,
                                   boost::shared_ptr<MOXAPP::IMOXBaseDataArray<std::wstring>> &result) = 0;
  /// Whether the remarks were set.
  virtual void OnServiceEditRemarks(void *handle, boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> &result) = 0;
  /// The texts the server answered to the removal.
  virtual void OnServiceRemoveDevice(void *handle,
                                     boost::shared_ptr<MOXAPP::IMOXBaseDataArray<std::wstring>> &result) = 0;
  /// The devices' picture records.
  virtual void OnServiceGetListDevicePicFile(
      void *handle, boost::shared_ptr<MOXAPP::IMOXUserDataArray<KEEL::KVWEBSERVICE::StDevicePicFile>> &result) = 0;
  virtual ~IDeviceQuery() {}
};

/// The device operations, found in the registry by the manager's name. Each
/// comes in two forms: given an observer it starts the request and returns its
/// handle at once, and the observer's On<operation> gets the result; given a
/// holder it waits, fills the holder and returns the finished request's handle.
class IDeviceMgr {
 public:
  using Query = IDeviceQuery;

  virtual ~IDeviceMgr() {}
  /// Replaces the observer of the pending asynchronous request `handle` (null: none).
  virtual void ReSetObserver(void *handle, IDeviceQuery *observer) = 0;
  /// Copies a device under a new name; result: the new device.
  virtual void *ServiceCloneDevice(KEEL::KVWEBSERVICE::StCloneDevice &clone, IDeviceQuery *observer) = 0;
  virtual void *ServiceCloneDevice(KEEL::KVWEBSERVICE::StCloneDevice &clone,
                                   boost::shared_ptr<MOXAPP::IMOXUserData<KEEL::KVWEBSERVICE::StDevice>> &result) = 0;
  /// Lists the devices; result: the devices, in the server's order.
  virtual void *ServiceListDevice(IDeviceQuery *observer) = 0;
  virtual void *ServiceListDevice(
      boost::shared_ptr<MOXAPP::IMOXUserDataArray<KEEL::KVWEBSERVICE::StDevice>> &result) = 0;
  /// Renames a device; result: whether it succeeded.
  virtual void *ServiceRenameDevice(KEEL::KVWEBSERVICE::StRenameDevice &rename, IDeviceQuery *observer) = 0;
  virtual void *ServiceRenameDevice(KEEL::KVWEBSERVICE::StRenameDevice &rename,
                                    boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> &result) = 0;
  /// Adds `devices`; result: the devices as stored.
  virtual void *ServiceAddDevice(std::vector<boost::shared_ptr<KEEL::KVWEBSERVICE::StDevice4Add>> &devices,
                                 IDeviceQuery *observer) = 0;
  virtual void *ServiceAddDevice(
      std::vector<boost::shared_ptr<KEEL::KVWEBSERVICE::StDevice4Add>> &devices,
      boost::shared_ptr<MOXAPP::IMOXUserDataArray<KEEL::KVWEBSERVICE::StDevice>> &result) = 0;
  /// Edits `devices`; result: the texts the server answers (the edited devices' identifiers).
  virtual void *ServiceEditDevice(std::vector<boost::shared_ptr<KEEL::KVWEBSERVICE::StDevice4Edit>> &devices,
                                  IDeviceQuery *observer) = 0;
  virtual void *ServiceEditDevice(std::vector<boost::shared_ptr<KEEL::KVWEBSERVICE::StDevice4Edit>> &devices,
                                  boost::shared_ptr<MOXAPP::IMOXBaseDataArray<std::wstring>> &result) = 0;
  /// Sets a device's remarks; result: whether it succeeded.
  virtual void *ServiceEditRemarks(KEEL::KVWEBSERVICE::StEditRemarks &remarks, IDeviceQuery *observer) = 0;
  virtual void *ServiceEditRemarks(KEEL::KVWEBSERVICE::StEditRemarks &remarks,
                                   boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> &result) = 0;
  /// Removes the devices `deviceIds`; result: the texts the server answers (the removed identifiers).
  virtual void *ServiceRemoveDevice(std::vector<std::wstring> &deviceIds, IDeviceQuery *observer) = 0;
  virtual void *ServiceRemoveDevice(std::vector<std::wstring> &deviceIds,
                                    boost::shared_ptr<MOXAPP::IMOXBaseDataArray<std::wstring>> &result) = 0;
  /// Reads the pictures of the devices `deviceIds`; result: one picture record per device found.
  virtual void *ServiceGetListDevicePicFile(std::vector<std::wstring> &deviceIds, IDeviceQuery *observer) = 0;
  virtual void *ServiceGetListDevicePicFile(
      std::vector<std::wstring> &deviceIds,
      boost::shared_ptr<MOXAPP::IMOXUserDataArray<KEEL::KVWEBSERVICE::StDevicePicFile>> &result) = 0;
};

/// IDeviceMgr on the web-service base; created by the program under its registry name.
class CDeviceMgr : public IDeviceMgr, public KEEL::WEB::CServMgrBase {
 public:
  /// Named "MOX_Device_MGR".
  CDeviceMgr();
  explicit CDeviceMgr(const std::wstring &name);
  /// Copies the name only; pending requests stay with `other`.
  CDeviceMgr(const CDeviceMgr &other);
  CDeviceMgr &operator=(const CDeviceMgr &other);
  ~CDeviceMgr() override;

  void ReSetObserver(void *handle, IDeviceQuery *observer) override;
  void *ServiceCloneDevice(KEEL::KVWEBSERVICE::StCloneDevice &clone, IDeviceQuery *observer) override;
  void *ServiceCloneDevice(KEEL::KVWEBSERVICE::StCloneDevice &clone,
                           boost::shared_ptr<MOXAPP::IMOXUserData<KEEL::KVWEBSERVICE::StDevice>> &result) override;
  void *ServiceListDevice(IDeviceQuery *observer) override;
  void *ServiceListDevice(boost::shared_ptr<MOXAPP::IMOXUserDataArray<KEEL::KVWEBSERVICE::StDevice>> &result) override;
  void *ServiceRenameDevice(KEEL::KVWEBSERVICE::StRenameDevice &rename, IDeviceQuery *observer) override;
  void *ServiceRenameDevice(KEEL::KVWEBSERVICE::StRenameDevice &rename,
                            boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> &result) override;
  void *ServiceAddDevice(std::vector<boost::shared_ptr<KEEL::KVWEBSERVICE::StDevice4Add>> &devices,
                         IDeviceQuery *observer) override;
  void *ServiceAddDevice(std::vector<boost::shared_ptr<KEEL::KVWEBSERVICE::StDevice4Add>> &devices,
                         boost::shared_ptr<MOXAPP::IMOXUserDataArray<KEEL::KVWEBSERVICE::StDevice>> &result) override;
  void *ServiceEditDevice(std::vector<boost::shared_ptr<KEEL::KVWEBSERVICE::StDevice4Edit>> &devices,
                          IDeviceQuery *observer) override;
  void *ServiceEditDevice(std::vector<boost::shared_ptr<KEEL::KVWEBSERVICE::StDevice4Edit>> &devices,
                          boost::shared_ptr<MOXAPP::IMOXBaseDataArray<std::wstring>> &result) override;
  void *ServiceEditRemarks(KEEL::KVWEBSERVICE::StEditRemarks &remarks, IDeviceQuery *observer) override;
  void *ServiceEditRemarks(KEEL::KVWEBSERVICE::StEditRemarks &remarks,
                           boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> &result) override;
  void *ServiceRemoveDevice(std::vector<std::wstring> &deviceIds, IDeviceQuery *observer) override;
  void *ServiceRemoveDevice(std::vector<std::wstring> &deviceIds,
                            boost::shared_ptr<MOXAPP::IMOXBaseDataArray<std::wstring>> &result) override;
  void *ServiceGetListDevicePicFile(std::vector<std::wstring> &deviceIds, IDeviceQuery *observer) override;
  void *ServiceGetListDevicePicFile(
      std::vector<std::wstring> &deviceIds,
      boost::shared_ptr<MOXAPP::IMOXUserDataArray<KEEL::KVWEBSERVICE::StDevicePicFile>> &result) override;
  void ReleaseObject() override;

 protected:
  /// The holder of the finished `request`; empty for a name not of this manager.
  boost::shared_ptr<KEEL::WEB::IServiceObject> ServResponse(KEEL::WEB::IWebServ *request) override;

 private:
  ResponseFn BoundResponse();
};

}  // namespace KVWEBSERVICEMANAGER::DEVICE
