#pragma once
// Doubly linked list walked by POSITION. The block size of the framework's
// lists is accepted for compatibility; nodes are allocated one at a time.
// Using a null or foreign POSITION, or removing from an empty list, throws
// std::out_of_range instead of touching freed memory.
#include "framework/WinTypes.h"

#include <stdexcept>

struct AfxPositionTag;
typedef AfxPositionTag* POSITION;

template <class TYPE, class ARG_TYPE = const TYPE&>
class CList
{
    struct Node
    {
        Node* next;
        Node* prev;
        TYPE data;
    };

public:
    explicit CList(INT_PTR nBlockSize = 10) { (void)nBlockSize; }
    ~CList() { RemoveAll(); }
    CList(const CList&) = delete;
    CList& operator=(const CList&) = delete;

    INT_PTR GetCount() const { return m_nCount; }
    INT_PTR GetSize() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }

    TYPE& GetHead() { return Checked(m_pHead)->data; }
    const TYPE& GetHead() const { return Checked(m_pHead)->data; }
    TYPE& GetTail() { return Checked(m_pTail)->data; }
    const TYPE& GetTail() const { return Checked(m_pTail)->data; }

    POSITION AddHead(ARG_TYPE newElement) { return InsertNode(nullptr, m_pHead, newElement); }
    POSITION AddTail(ARG_TYPE newElement) { return InsertNode(m_pTail, nullptr, newElement); }

    TYPE RemoveHead()
    {
        Node* node = Checked(m_pHead);
        TYPE value = node->data;
        Unlink(node);
        return value;
    }

    TYPE RemoveTail()
    {
        Node* node = Checked(m_pTail);
        TYPE value = node->data;
        Unlink(node);
        return value;
    }

    void RemoveAll()
    {
        while (m_pHead)
            Unlink(m_pHead);
    }

    POSITION GetHeadPosition() const { return ToPosition(m_pHead); }
    POSITION GetTailPosition() const { return ToPosition(m_pTail); }

    TYPE& GetNext(POSITION& rPosition)
    {
        Node* node = Checked(FromPosition(rPosition));
        rPosition = ToPosition(node->next);
        return node->data;
    }

    const TYPE& GetNext(POSITION& rPosition) const
    {
        Node* node = Checked(FromPosition(rPosition));
        rPosition = ToPosition(node->next);
        return node->data;
    }

    TYPE& GetPrev(POSITION& rPosition)
    {
        Node* node = Checked(FromPosition(rPosition));
        rPosition = ToPosition(node->prev);
        return node->data;
    }

    const TYPE& GetPrev(POSITION& rPosition) const
    {
        Node* node = Checked(FromPosition(rPosition));
        rPosition = ToPosition(node->prev);
        return node->data;
    }

    TYPE& GetAt(POSITION position) { return Checked(FromPosition(position))->data; }
    const TYPE& GetAt(POSITION position) const { return Checked(FromPosition(position))->data; }
    void SetAt(POSITION position, ARG_TYPE newElement) { Checked(FromPosition(position))->data = newElement; }
    void RemoveAt(POSITION position) { Unlink(Checked(FromPosition(position))); }

    POSITION InsertBefore(POSITION position, ARG_TYPE newElement)
    {
        if (!position)
            return AddHead(newElement);
        Node* node = Checked(FromPosition(position));
        return InsertNode(node->prev, node, newElement);
    }

    POSITION InsertAfter(POSITION position, ARG_TYPE newElement)
    {
        if (!position)
            return AddTail(newElement);
        Node* node = Checked(FromPosition(position));
        return InsertNode(node, node->next, newElement);
    }

    // The first element equal to searchValue after startAfter (from the head when null).
    POSITION Find(ARG_TYPE searchValue, POSITION startAfter = nullptr) const
    {
        Node* node = startAfter ? Checked(FromPosition(startAfter))->next : m_pHead;
        for (; node; node = node->next) {
            if (node->data == searchValue)
                return ToPosition(node);
        }
        return nullptr;
    }

    // The position of the element at a zero-based index; null when out of range.
    POSITION FindIndex(INT_PTR nIndex) const
    {
        if (nIndex < 0 || nIndex >= m_nCount)
            return nullptr;
        Node* node = m_pHead;
        while (nIndex-- > 0)
            node = node->next;
        return ToPosition(node);
    }

private:
    static POSITION ToPosition(Node* node) { return reinterpret_cast<POSITION>(node); }
    static Node* FromPosition(POSITION position) { return reinterpret_cast<Node*>(position); }

    static Node* Checked(Node* node)
    {
        if (!node)
            throw std::out_of_range("CList: no element at this position");
        return node;
    }

    POSITION InsertNode(Node* prev, Node* next, ARG_TYPE newElement)
    {
        Node* node = new Node{next, prev, newElement};
        (prev ? prev->next : m_pHead) = node;
        (next ? next->prev : m_pTail) = node;
        ++m_nCount;
        return ToPosition(node);
    }

    void Unlink(Node* node)
    {
        (node->prev ? node->prev->next : m_pHead) = node->next;
        (node->next ? node->next->prev : m_pTail) = node->prev;
        --m_nCount;
        delete node;
    }

    Node* m_pHead = nullptr;
    Node* m_pTail = nullptr;
    INT_PTR m_nCount = 0;
};
